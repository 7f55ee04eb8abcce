#include "tests/cli/channels.h"

#include <gtest/gtest.h>

#include "tests/cli/child_process.h"
#include "tests/cli/temp_dir.h"

namespace plimsett::cli_test {

std::string ChannelName(Channel channel) {
  switch (channel) {
    case Channel::kFileToStdout:
      return "FileToStdout";
    case Channel::kStdinToStdout:
      return "StdinToStdout";
    case Channel::kDashToStdout:
      return "DashToStdout";
    case Channel::kFileToFile:
      return "FileToFile";
    case Channel::kStdinToFile:
      return "StdinToFile";
  }
  return "?";
}

std::string ConvertThrough(Channel channel, const std::string& command, std::string_view input,
                           const std::vector<std::string>& options) {
  const TempDir dir;
  Launch launch;
  launch.arguments = {command};
  const bool fromFile = channel == Channel::kFileToStdout || channel == Channel::kFileToFile;
  const bool toFile = channel == Channel::kFileToFile || channel == Channel::kStdinToFile;
  if (fromFile) {
    launch.arguments.push_back(dir.Write("input", input));
  } else {
    launch.input = std::string(input);
    if (channel == Channel::kDashToStdout) launch.arguments.push_back("-");
  }
  if (toFile) launch.arguments.insert(launch.arguments.end(), {"-o", dir.PathOf("output")});
  launch.arguments.insert(launch.arguments.end(), options.begin(), options.end());

  const Result result = RunProgram(launch);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err, "");
  if (!toFile) return result.out;
  EXPECT_EQ(result.out, "");
  const std::vector<std::string> expectedNames =
      fromFile ? std::vector<std::string>{"input", "output"} : std::vector<std::string>{"output"};
  EXPECT_EQ(dir.Names(), expectedNames) << "a temporary file was left behind";
  return dir.Read("output");
}

}  // namespace plimsett::cli_test
