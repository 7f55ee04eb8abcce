// The handful of operating-system calls bytesettext makes, in one place so
// that everything else in cli/ reads the same on Linux and on Windows.
// The file calls keep the C convention: -1 (or false) and errno set.
#pragma once

#include <cstddef>
#include <string>
#include <system_error>

namespace plimsett::cli {

inline constexpr int kStandardInputFd = 0;
inline constexpr int kStandardOutputFd = 1;

// Call first thing. The standard streams carry raw bytes (Windows would
// otherwise turn LF into CR LF and stop reading at Ctrl-Z), and a write to
// a closed pipe must come back as EPIPE instead of killing the process, so
// that it can be reported.
void PrepareProcess();

int OpenForReading(const std::string& path);
// Opens a file that exists and is not a regular file (a device, a pipe).
int OpenForWriting(const std::string& path);
// Creates `path`, failing with EEXIST if anything is there already.
int CreateNewFile(const std::string& path);
long ReadSome(int fd, char* buffer, std::size_t size);
long WriteSome(int fd, const char* data, std::size_t size);
int CloseFile(int fd);
int RemoveFile(const std::string& path);

enum class FileKind { kMissing, kRegular, kOther };
struct FileFacts {
  FileKind kind = FileKind::kMissing;
  unsigned permissions = 0;  // meaningful for kRegular only
};
FileFacts LookUpFile(const std::string& path);

// Gives a new file the permission bits of the file it is about to replace,
// so replacing a private file does not make it readable by others.
int CopyPermissions(int fd, unsigned permissions);

// Puts `from` in the place of `to` in one step, replacing what is there.
std::error_code ReplaceFile(const std::string& from, const std::string& to);

}  // namespace plimsett::cli
