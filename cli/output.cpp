#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include "cli/failure.h"
#include "cli/platform.h"

namespace plimsett::cli {

namespace {

// The temporary file sits in the same folder as the target, so that the
// final rename stays within one file system and happens in one step.
int CreateTemporaryBeside(const std::string& path, std::string& temporaryPath) {
  std::mt19937 rng(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".bytesettext-%08lx",
                  static_cast<unsigned long>(rng() & 0xFFFFFFFFu));
    temporaryPath = path + suffix;
    const int fd = CreateNewFile(temporaryPath);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

Output::Output(const std::string& path) : fd_(kStandardOutputFd), path_(path) {
  if (path == "-") {
    name_ = "standard output";
    return;
  }
  name_ = "'" + path + "'";
  const FileFacts target = LookUpFile(path);
  if (target.kind == FileKind::kOther) {
    mode_ = Mode::kDirect;
    fd_ = OpenForWriting(path);
    if (fd_ < 0) FailWithErrno(name_, "open");
    return;
  }
  mode_ = Mode::kReplace;
  fd_ = CreateTemporaryBeside(path, temporaryPath_);
  if (fd_ < 0) FailWithErrno(name_, "create");
  if (target.kind == FileKind::kRegular && CopyPermissions(fd_, target.permissions) != 0) {
    FailWithErrno(name_, "copy the permissions of");
  }
}

Output::~Output() {
  if (mode_ != Mode::kStandardOutput && fd_ >= 0) CloseFile(fd_);
  if (mode_ == Mode::kReplace && !committed_) RemoveFile(temporaryPath_);
}

void Output::Write(const char* data, std::size_t size) {
  while (size > 0) {
    const long put = WriteSome(fd_, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      if (put == 0) errno = EIO;
      FailWithErrno(name_, "write");
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
}

void Output::Commit() {
  if (mode_ == Mode::kStandardOutput) return;
  const int fd = fd_;
  fd_ = -1;
  // A full disk may show only when the last blocks are flushed at close.
  if (CloseFile(fd) != 0) FailWithErrno(name_, "write");
  if (mode_ == Mode::kReplace) {
    if (const std::error_code error = ReplaceFile(temporaryPath_, path_)) {
      throw Failure(kExitInputOutput, "cannot replace " + name_ + ": " + error.message());
    }
  }
  committed_ = true;
}

}  // namespace plimsett::cli
