#include "tests/cli/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/cli/temp_dir.h"

extern char** environ;

namespace plimsett::cli_test {

namespace {

[[noreturn]] void Fail(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

struct Pipe {
  int read = -1;
  int write = -1;
};

Pipe MakePipe() {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) Fail("pipe2");
  return {ends[0], ends[1]};
}

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// A file size limit for one child. posix_spawn has no attribute for it,
// so the parent lowers its own soft limit while it starts the child and
// puts it back at once. SIGXFSZ is ignored meanwhile so that the child,
// which inherits the ignored signal, sees EFBIG as a write error instead
// of being killed: the same as a full disk, as far as it can tell.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(long bytes) : active_(bytes >= 0) {
    if (!active_) return;
    if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) Fail("getrlimit");
    rlimit limited = saved_;
    limited.rlim_cur = static_cast<rlim_t>(bytes);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0) Fail("setrlimit");
  }
  ~FileSizeLimit() {
    if (!active_) return;
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }

 private:
  bool active_;
  rlimit saved_{};
  void (*savedHandler_)(int) = SIG_DFL;
};

pid_t Spawn(const Launch& launch, const std::string& memoryReport, int stdinFd, int stdoutFd,
            int stderrFd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
  if (launch.stdoutTo == StandardOutput::kFile) {
    posix_spawn_file_actions_addopen(&actions, 1, launch.stdoutPath.c_str(), O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
  }
  posix_spawn_file_actions_adddup2(&actions, stderrFd, 2);
  if (!launch.workingDirectory.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, launch.workingDirectory.c_str());
  }

  // The child starts with SIGPIPE at its default, whatever the test
  // process does with it, so a program that forgets to handle a closed
  // pipe really dies of it here.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

  std::vector<std::string> words;
  if (!memoryReport.empty()) words = {PEAK_MEMORY_PROBE_PROGRAM, memoryReport};
  words.push_back(BYTESETTEXT_PROGRAM);
  words.insert(words.end(), launch.arguments.begin(), launch.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  int error = 0;
  {
    const FileSizeLimit limit(launch.fileSizeLimit);
    error = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    errno = error;
    Fail("posix_spawn");
  }
  return pid;
}

// Moves bytes in both directions until the child has closed its end of
// every pipe, never blocking on one pipe while the child waits on another.
void Pump(const Source& source, int& stdinFd, int& stdoutFd, int& stderrFd, const Sink& onOut,
          std::string& err) {
  std::string_view pending;
  std::vector<char> buffer(64 * 1024);
  while (stdinFd >= 0 || stdoutFd >= 0 || stderrFd >= 0) {
    pollfd fds[3] = {{stdinFd, POLLOUT, 0}, {stdoutFd, POLLIN, 0}, {stderrFd, POLLIN, 0}};
    if (poll(fds, 3, -1) < 0) {
      if (errno == EINTR) continue;
      Fail("poll");
    }
    if (stdinFd >= 0 && fds[0].revents != 0) {
      if (pending.empty()) pending = source();
      if (pending.empty()) {
        CloseFd(stdinFd);
      } else {
        const ssize_t put =
            write(stdinFd, pending.data(), std::min<std::size_t>(pending.size(), buffer.size()));
        if (put >= 0) {
          pending.remove_prefix(static_cast<std::size_t>(put));
        } else if (errno != EAGAIN && errno != EINTR) {
          CloseFd(stdinFd);  // the child has stopped reading
        }
      }
    }
    const auto drain = [&](int& fd, short revents, const Sink& to) {
      if (fd < 0 || revents == 0) return;
      const ssize_t got = read(fd, buffer.data(), buffer.size());
      if (got > 0) {
        to(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
      } else if (got == 0 || errno != EINTR) {
        CloseFd(fd);
      }
    };
    drain(stdoutFd, fds[1].revents, onOut);
    drain(stderrFd, fds[2].revents, [&](std::string_view piece) { err.append(piece); });
  }
}

}  // namespace

Result RunProgram(const Launch& launch) {
  // Writing to a child that has stopped reading must not end the test.
  std::signal(SIGPIPE, SIG_IGN);

  Pipe in = MakePipe();
  Pipe out = MakePipe();
  Pipe err = MakePipe();
  if (launch.stdoutTo == StandardOutput::kClosedPipe) CloseFd(out.read);
  fcntl(in.write, F_SETFL, O_NONBLOCK);

  const TempDir reportDir;
  const std::string memoryReport = launch.measurePeakMemory ? reportDir.PathOf("peak") : "";
  const pid_t pid = Spawn(launch, memoryReport, in.read, out.write, err.write);
  CloseFd(in.read);
  CloseFd(out.write);
  CloseFd(err.write);

  Result result;
  bool given = false;
  const Source once = [&]() -> std::string_view {
    if (given) return {};
    given = true;
    return launch.input;
  };
  const Sink collect = [&](std::string_view piece) { result.out.append(piece); };
  Pump(launch.source ? launch.source : once, in.write, out.read, err.read,
       launch.sink ? launch.sink : collect, result.err);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) Fail("waitpid");
  }
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  if (!memoryReport.empty()) result.peakMemoryKiB = std::stol(reportDir.Read("peak"));
  return result;
}

Result RunProgram(std::vector<std::string> arguments, std::string input) {
  Launch launch;
  launch.arguments = std::move(arguments);
  launch.input = std::move(input);
  return RunProgram(launch);
}

bool IsOneLine(const std::string& text) {
  return !text.empty() && text.back() == '\n' && text.find('\n') == text.size() - 1;
}

}  // namespace plimsett::cli_test
