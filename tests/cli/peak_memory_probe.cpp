// peak_memory_probe REPORT PROGRAM [ARGUMENT...]
// Runs PROGRAM and writes its peak resident memory (ru_maxrss, KiB) to the
// file REPORT; exits with PROGRAM's status.
//
// A program spawned straight from the test driver would not do: Linux
// counts, in the peak of a process, the memory it ran in before exec, and
// a vfork-style spawn runs in the driver's. Forked from this small process
// instead, the program starts from this process's own few pages.
#include <cerrno>
#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc < 3) return 125;
  const pid_t pid = fork();
  if (pid < 0) return 125;
  if (pid == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) return 125;
  }
  std::FILE* report = std::fopen(argv[1], "w");
  if (report == nullptr || std::fprintf(report, "%ld\n", usage.ru_maxrss) < 0 ||
      std::fclose(report) != 0) {
    return 125;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
