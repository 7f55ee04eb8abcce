// A folder of its own for each test, removed with everything in it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plimsett::cli_test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string PathOf(std::string_view name) const;
  // Writes `content` to the file `name` and returns its path.
  std::string Write(std::string_view name, std::string_view content) const;
  std::string Read(std::string_view name) const;
  // The names of everything in the folder, sorted: shows leftovers.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

}  // namespace plimsett::cli_test
