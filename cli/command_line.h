// What the command line asks bytesettext to do.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace plimsett::cli {

// Input bytes converted per step. Memory use follows from it: one input
// chunk plus the most output a chunk can give (four times as much).
inline constexpr std::size_t kDefaultChunkSize = 64 * 1024;
inline constexpr std::size_t kMaxChunkSize = 1024 * 1024;

enum class Action { kEncode, kDecode, kHelp, kVersion };

struct Invocation {
  Action action = Action::kHelp;
  std::string input = "-";   // "-" is standard input
  std::string output = "-";  // "-" is standard output
  std::size_t chunkSize = kDefaultChunkSize;
};

// `arguments` leaves out the program name. Throws Failure (kExitUsage)
// with a one-line reason when the command line makes no sense.
Invocation ParseCommandLine(std::span<const char* const> arguments);

std::string_view UsageText();
std::string_view VersionText();

}  // namespace plimsett::cli
