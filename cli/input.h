// The input of a conversion: a file, or standard input.
#pragma once

#include <cstddef>
#include <string>

namespace plimsett::cli {

class Input {
 public:
  // "-" stands for standard input. Throws Failure if the file cannot be opened.
  explicit Input(const std::string& path);
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  // Reads until `buffer` is full or the input ends, so that a chunk is
  // always `size` bytes but the last, however the bytes arrive (a pipe
  // hands them over in pieces of its own). Returns the bytes read: fewer
  // than `size` only at the end. Throws Failure on a read error.
  std::size_t Fill(char* buffer, std::size_t size);

  // For messages: the quoted file name, or "standard input".
  const std::string& name() const { return name_; }

 private:
  int fd_;
  bool ownsFd_;
  std::string name_;
};

}  // namespace plimsett::cli
