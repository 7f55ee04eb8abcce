#include "bench/peak_memory.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "bench/allocation_counter.h"

namespace plimsett::bench {
namespace {

// What the child sends back through the pipe: plain bytes.
struct ChildReport {
  std::size_t residentBefore;
  std::size_t residentHighWater;
  std::size_t allocatedPeak;
  std::size_t output;
  bool highWaterReset;
};

// A "VmRSS:"-style line of /proc/self/status, in bytes; 0 if missing.
std::size_t StatusBytes(const char* field) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return 0;
  char line[256];
  std::size_t kib = 0;
  const std::size_t fieldLength = std::strlen(field);
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, field, fieldLength) == 0) {
      std::sscanf(line + fieldLength, "%zu", &kib);
      break;
    }
  }
  std::fclose(status);
  return kib * 1024;
}

// Writing 5 to clear_refs sets VmHWM back to the present resident size.
bool ResetHighWaterMark() {
  std::FILE* clearRefs = std::fopen("/proc/self/clear_refs", "w");
  if (clearRefs == nullptr) return false;
  const bool written = std::fputs("5", clearRefs) >= 0;
  return std::fclose(clearRefs) == 0 && written;
}

[[noreturn]] void RunChild(Text (*convert)(std::string_view), const Text& input, int reportPipe) {
  ChildReport report{};
  report.highWaterReset = ResetHighWaterMark();
  report.residentBefore = StatusBytes("VmRSS:");
  StartCountingAllocations();
  {
    const Text output = convert(input);
    report.allocatedPeak = PeakAllocatedBytes();
    report.residentHighWater = StatusBytes("VmHWM:");
    report.output = output.size();
  }
  const bool sent = write(reportPipe, &report, sizeof report) == sizeof report;
  _exit(sent ? 0 : 1);
}

}  // namespace

PeakMemory MeasurePeakMemory(Text (*convert)(std::string_view), const Text& input) {
  PeakMemory peak;
  peak.input = input.size();
  int pipes[2];
  if (pipe(pipes) != 0) {
    peak.error = "pipe failed";
    return peak;
  }
  std::fflush(nullptr);  // nothing buffered may be written twice
  const pid_t child = fork();
  if (child == 0) {
    close(pipes[0]);
    RunChild(convert, input, pipes[1]);
  }
  close(pipes[1]);
  ChildReport report{};
  const bool received =
      child > 0 && read(pipes[0], &report, sizeof report) == static_cast<ssize_t>(sizeof report);
  close(pipes[0]);
  int status = 0;
  if (child > 0) waitpid(child, &status, 0);
  if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    peak.error = child > 0 ? "the measuring child failed" : "fork failed";
    return peak;
  }
  peak.measured = true;
  peak.output = report.output;
  const std::size_t rise = report.residentHighWater > report.residentBefore
                               ? report.residentHighWater - report.residentBefore
                               : 0;
  peak.resident = input.size() + rise;
  peak.allocated = input.size() + report.allocatedPeak;
  peak.highWaterReset = report.highWaterReset;
  return peak;
}

std::string_view PeakMemoryMethod() {
  return "limit: 1.1 x (input + output) + 1 MiB. Each conversion runs once, fresh, in a\n"
         "forked child. peak: the input plus the rise of the child's VmHWM over its VmRSS\n"
         "just before the call (VmHWM reset through /proc/self/clear_refs): the pages the\n"
         "conversion touched. allocated: the input plus the most bytes held through\n"
         "operator new at once (counted by a replacement in this program), touched or not;\n"
         "the decoder reserves its worst case, 4/3 of the input, and touches what it writes.";
}

}  // namespace plimsett::bench
