// How bytesettext gives up: one line for standard error and an exit status.
#pragma once

#include <stdexcept>
#include <string>

namespace plimsett::cli {

enum ExitStatus : int {
  kExitDone = 0,
  kExitInputOutput = 1,  // a file or stream could not be read or written
  kExitZeroByte = 2,     // encode met a zero byte, which no text holds
  kExitUsage = 64,       // the command line is wrong (as sysexits' EX_USAGE)
};

class Failure : public std::runtime_error {
 public:
  Failure(ExitStatus status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  ExitStatus status() const { return status_; }

 private:
  ExitStatus status_;
};

// A failed system call on `what` (a file name, or "standard output"),
// described by the errno it left.
[[noreturn]] void FailWithErrno(const std::string& what, const char* doing);

}  // namespace plimsett::cli
