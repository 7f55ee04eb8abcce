// Runs the built bytesettext as a child process, the way a shell or a
// script would: arguments, bytes on standard input, standard output and
// standard error read back, the exit status and the peak memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plimsett::cli_test {

// Hands out the next piece of standard input; an empty one ends it.
using Source = std::function<std::string_view()>;
// Takes each piece of standard output as it arrives.
using Sink = std::function<void(std::string_view)>;

enum class StandardOutput {
  kPipe,        // read back into Result::out, or handed to `sink`
  kClosedPipe,  // a pipe whose reading end is already closed
  kFile,        // the file `stdoutPath` (a device such as /dev/full)
};

struct Launch {
  std::vector<std::string> arguments;
  std::string input;  // standard input, unless `source` is set
  Source source;      // streamed standard input
  StandardOutput stdoutTo = StandardOutput::kPipe;
  std::string stdoutPath;          // for StandardOutput::kFile
  Sink sink;                       // streamed standard output
  long fileSizeLimit = -1;         // RLIMIT_FSIZE in bytes for the child, if >= 0
  std::string workingDirectory;    // the child's, if not empty
  bool measurePeakMemory = false;  // fills Result::peakMemoryKiB
};

struct Result {
  int exitStatus = -1;  // -1 when it ended by a signal
  int signal = 0;
  std::string out;
  std::string err;
  long peakMemoryKiB = 0;  // the program's own ru_maxrss, if measured
};

// Runs the program under test. Its standard input always ends (a pipe
// that is closed once `input` or `source` has been written).
Result RunProgram(const Launch& launch);

// Shorthand: arguments and standard input.
Result RunProgram(std::vector<std::string> arguments, std::string input = {});

// Standard error has exactly one line, ending in a line feed.
bool IsOneLine(const std::string& text);

}  // namespace plimsett::cli_test
