#include "cli/platform.h"

#include <climits>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace plimsett::cli {

namespace {

// _read and _write take an unsigned int count; read() and write() may
// return less than asked in any case, so capping is harmless.
constexpr std::size_t kMaxTransfer = INT_MAX / 2 + 1;

std::size_t Capped(std::size_t size) { return size < kMaxTransfer ? size : kMaxTransfer; }

}  // namespace

#ifdef _WIN32

void PrepareProcess() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  // File names arrive in the ANSI code page; std::filesystem converts them
  // to UTF-16 through the C locale, which must therefore be the system's.
  std::setlocale(LC_CTYPE, "");
}

int OpenForReading(const std::string& path) {
  return _open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int OpenForWriting(const std::string& path) {
  return _open(path.c_str(), _O_WRONLY | _O_TRUNC | _O_BINARY | _O_NOINHERIT);
}

int CreateNewFile(const std::string& path) {
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
}

long ReadSome(int fd, char* buffer, std::size_t size) {
  return _read(fd, buffer, static_cast<unsigned>(Capped(size)));
}

long WriteSome(int fd, const char* data, std::size_t size) {
  return _write(fd, data, static_cast<unsigned>(Capped(size)));
}

int CloseFile(int fd) { return _close(fd); }

int RemoveFile(const std::string& path) { return _unlink(path.c_str()); }

FileFacts LookUpFile(const std::string& path) {
  struct _stat64 facts {};
  if (_stat64(path.c_str(), &facts) != 0) return {};
  if ((facts.st_mode & _S_IFMT) != _S_IFREG) return {FileKind::kOther, 0};
  return {FileKind::kRegular, 0};
}

// Windows has no permission bits worth carrying over.
int CopyPermissions(int, unsigned) { return 0; }

#else

void PrepareProcess() { std::signal(SIGPIPE, SIG_IGN); }

int OpenForReading(const std::string& path) { return open(path.c_str(), O_RDONLY | O_CLOEXEC); }

int OpenForWriting(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
}

int CreateNewFile(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

long ReadSome(int fd, char* buffer, std::size_t size) { return read(fd, buffer, Capped(size)); }

long WriteSome(int fd, const char* data, std::size_t size) { return write(fd, data, Capped(size)); }

int CloseFile(int fd) { return close(fd); }

int RemoveFile(const std::string& path) { return unlink(path.c_str()); }

FileFacts LookUpFile(const std::string& path) {
  struct stat facts {};
  if (stat(path.c_str(), &facts) != 0) return {};
  if (!S_ISREG(facts.st_mode)) return {FileKind::kOther, 0};
  return {FileKind::kRegular, static_cast<unsigned>(facts.st_mode & 07777)};
}

int CopyPermissions(int fd, unsigned permissions) {
  return fchmod(fd, static_cast<mode_t>(permissions));
}

#endif

std::error_code ReplaceFile(const std::string& from, const std::string& to) {
  // std::filesystem replaces an existing target on Windows too, where the
  // C runtime's rename() refuses to.
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

}  // namespace plimsett::cli
