// The output of a conversion: standard output, or the file given with -o.
#pragma once

#include <cstddef>
#include <string>

namespace plimsett::cli {

class Output {
 public:
  // "-" stands for standard output. A regular file, or a name under which
  // nothing exists yet, is written through a temporary file beside it that
  // takes its place only in Commit: until then, and whenever the conversion
  // fails, the file keeps what it held. Anything else that exists there (a
  // device, a pipe) is written directly. Throws Failure if it cannot be
  // opened or created.
  explicit Output(const std::string& path);
  // Without a successful Commit, removes the temporary file.
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Throws Failure on a write error.
  void Write(const char* data, std::size_t size);
  // Ends the output: the temporary file, if any, replaces the target.
  void Commit();

  // Whether what Write has passed on is already beyond recall: true for
  // standard output and anything else that is not a replaced file.
  bool writesThrough() const { return mode_ != Mode::kReplace; }
  // For messages: the quoted file name, or "standard output".
  const std::string& name() const { return name_; }

 private:
  enum class Mode { kStandardOutput, kDirect, kReplace };

  Mode mode_ = Mode::kStandardOutput;
  int fd_;
  bool committed_ = false;
  std::string path_;
  std::string temporaryPath_;
  std::string name_;
};

}  // namespace plimsett::cli
