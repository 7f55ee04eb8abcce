// The ways an input can reach bytesettext and a result leave it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace plimsett::cli_test {

enum class Channel {
  kFileToStdout,   // bytesettext CMD FILE
  kStdinToStdout,  // bytesettext CMD < FILE
  kDashToStdout,   // bytesettext CMD - < FILE
  kFileToFile,     // bytesettext CMD FILE -o OUT
  kStdinToFile,    // bytesettext CMD -o OUT < FILE
};

inline constexpr std::array<Channel, 5> kAllChannels = {
    Channel::kFileToStdout, Channel::kStdinToStdout, Channel::kDashToStdout,
    Channel::kFileToFile,   Channel::kStdinToFile,
};

std::string ChannelName(Channel channel);

// Runs `command` ("encode" or "decode") over `input` through `channel`,
// with `options` added to the command line, and returns the result. Adds
// a test failure unless the run succeeds quietly.
std::string ConvertThrough(Channel channel, const std::string& command, std::string_view input,
                           const std::vector<std::string>& options = {});

}  // namespace plimsett::cli_test
