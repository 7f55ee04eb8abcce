// bytesettext: the byte-set text conversions of Plimsett's window, for
// whole files and for scripts.
#include <cstdio>
#include <new>
#include <span>

#include "cli/command_line.h"
#include "cli/convert.h"
#include "cli/failure.h"
#include "cli/input.h"
#include "cli/output.h"
#include "cli/platform.h"

namespace plimsett::cli {
namespace {

void WriteText(std::string_view text) {
  Output output("-");
  output.Write(text.data(), text.size());
}

void Run(const Invocation& invocation) {
  switch (invocation.action) {
    case Action::kHelp:
      return WriteText(UsageText());
    case Action::kVersion:
      return WriteText(VersionText());
    case Action::kEncode:
    case Action::kDecode:
      break;
  }
  // The input is opened first, so a missing input leaves no file behind.
  Input input(invocation.input);
  Output output(invocation.output);
  if (invocation.action == Action::kEncode) {
    EncodeStream(input, output, invocation.chunkSize);
  } else {
    DecodeStream(input, output, invocation.chunkSize);
  }
  output.Commit();
}

}  // namespace
}  // namespace plimsett::cli

int main(int argc, char** argv) {
  using namespace plimsett::cli;
  PrepareProcess();
  try {
    Run(ParseCommandLine(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0)));
    return kExitDone;
  } catch (const Failure& failure) {
    std::fprintf(stderr, "bytesettext: %s\n", failure.what());
    return failure.status();
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "bytesettext: out of memory\n");
    return kExitInputOutput;
  }
}
