#include "cli/input.h"

#include <cerrno>

#include "cli/failure.h"
#include "cli/platform.h"

namespace plimsett::cli {

Input::Input(const std::string& path)
    : fd_(kStandardInputFd),
      ownsFd_(path != "-"),
      name_(ownsFd_ ? "'" + path + "'" : "standard input") {
  if (!ownsFd_) return;
  fd_ = OpenForReading(path);
  if (fd_ < 0) FailWithErrno(name_, "open");
}

Input::~Input() {
  if (ownsFd_) CloseFile(fd_);
}

std::size_t Input::Fill(char* buffer, std::size_t size) {
  std::size_t filled = 0;
  while (filled < size) {
    const long got = ReadSome(fd_, buffer + filled, size - filled);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      FailWithErrno(name_, "read");
    }
    filled += static_cast<std::size_t>(got);
  }
  return filled;
}

}  // namespace plimsett::cli
