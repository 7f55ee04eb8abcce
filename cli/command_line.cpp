#include "cli/command_line.h"

#include <charconv>
#include <system_error>
#include <vector>

#include "cli/failure.h"

namespace plimsett::cli {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: bytesettext encode [FILE] [-o OUT]
       bytesettext decode [FILE] [-o OUT]

encode  writes the byte-set text of FILE: the decimal value of each of its
        bytes, separated by commas ("abc" gives 97,98,99).
decode  reads a byte-set text and writes the bytes it stands for, as
        leniently as the window does: pieces are cut at commas (not at
        blanks or line breaks), blanks before a number, a sign and
        full-width digits are taken, numbers wrap around at 32 bits, and 0
        or a piece that is no number gives no byte.

FILE is taken byte for byte as it stands, in whatever code page it was
saved; no conversion is applied on the way in or out. Without FILE, or
with "-", standard input is read. The result goes to standard output.

Options:
  -o, --output=OUT  write the result to OUT instead. A regular file there
                    is replaced only once the whole conversion has
                    succeeded; on any failure it keeps what it held. Other
                    files (a device, a named pipe) are written as the
                    result comes.
  -h, --help        show this help and exit
      --version     show the version and exit

A text never holds a zero byte, so encode stops at one with exit status 2
and names its offset (counted from 0); OUT is then left as it was.
Standard output cannot be taken back: it may already hold the byte-set
text of the input up to shortly before the zero byte. Check the exit
status there, or use -o to get all or nothing.

Exit status: 0 done; 1 a file or stream could not be read or written;
2 encode met a zero byte; 64 the command line is wrong.
)";

constexpr std::string_view kVersion = "bytesettext (Plimsett) " PLIMSETT_VERSION "\n";

[[noreturn]] void FailUsage(const std::string& reason) {
  throw Failure(kExitUsage, reason + " (see 'bytesettext --help')");
}

std::size_t ParseChunkSize(std::string_view text) {
  std::size_t size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size == 0 ||
      size > kMaxChunkSize) {
    FailUsage("--chunk-size takes a number of bytes from 1 to " + std::to_string(kMaxChunkSize));
  }
  return size;
}

Action ParseCommand(std::string_view word) {
  if (word == "encode") return Action::kEncode;
  if (word == "decode") return Action::kDecode;
  FailUsage("unknown command '" + std::string(word) + "': say encode or decode");
}

}  // namespace

Invocation ParseCommandLine(std::span<const char* const> arguments) {
  Invocation invocation;
  bool help = false;
  bool version = false;
  bool outputGiven = false;
  bool optionsEnded = false;
  std::vector<std::string_view> operands;

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
      operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }

    // "--name=value", "--name value", "-oVALUE" and "-o VALUE".
    std::string_view name = argument;
    std::string_view attached;
    bool hasAttached = false;
    if (argument.starts_with("--")) {
      if (const auto equals = argument.find('='); equals != std::string_view::npos) {
        name = argument.substr(0, equals);
        attached = argument.substr(equals + 1);
        hasAttached = true;
      }
    } else if (argument.starts_with("-o") && argument.size() > 2) {
      name = "-o";
      attached = argument.substr(2);
      hasAttached = true;
    }
    const auto value = [&]() -> std::string_view {
      if (hasAttached) return attached;
      if (i + 1 == arguments.size()) FailUsage(std::string(name) + " needs a value");
      return arguments[++i];
    };
    const auto flag = [&](bool& seen) {
      if (hasAttached) FailUsage(std::string(name) + " takes no value");
      seen = true;
    };

    if (name == "-h" || name == "--help") {
      flag(help);
    } else if (name == "--version") {
      flag(version);
    } else if (name == "-o" || name == "--output") {
      if (outputGiven) FailUsage("only one output file can be given");
      outputGiven = true;
      invocation.output = value();
      if (invocation.output.empty()) FailUsage("the output file name is empty");
    } else if (name == "--chunk-size") {
      // Not in the help: tests use it to put chunk boundaries where they
      // want them.
      invocation.chunkSize = ParseChunkSize(value());
    } else {
      FailUsage("unknown option '" + std::string(argument) + "'");
    }
  }

  if (help) return invocation;
  if (version) {
    invocation.action = Action::kVersion;
    return invocation;
  }
  if (operands.empty()) FailUsage("say what to do: encode or decode");
  invocation.action = ParseCommand(operands[0]);
  if (operands.size() > 2) FailUsage("unexpected argument '" + std::string(operands[2]) + "'");
  if (operands.size() == 2) invocation.input = operands[1];
  return invocation;
}

std::string_view UsageText() { return kUsage; }
std::string_view VersionText() { return kVersion; }

}  // namespace plimsett::cli
