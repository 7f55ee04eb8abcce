// What the command line accepts, and what it turns away as a usage error.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/cli/child_process.h"
#include "tests/cli/temp_dir.h"

namespace plimsett::cli_test {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, WrongOnesAreUsageErrors) {
  const std::vector<Arguments> wrong = {
      {},
      {"frobnicate"},
      {"Encode"},
      {"encode", "a", "b"},
      {"--bogus"},
      {"encode", "-x"},
      {"encode", "-o"},
      {"encode", "--output"},
      {"encode", "-o", ""},
      {"encode", "--output="},
      {"encode", "-o", "a", "-o", "b"},
      {"encode", "--help=yes"},
      {"encode", "--chunk-size=0"},
      {"encode", "--chunk-size=12x"},
      {"encode", "--chunk-size=-1"},
      {"encode", "--chunk-size=99999999999999999999"},
      {"encode", "--chunk-size=1048577"},
      {"--", "--help"},
  };
  for (const Arguments& arguments : wrong) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    const Result result = RunProgram(arguments, "abc");
    EXPECT_EQ(result.exitStatus, 64);
    EXPECT_TRUE(IsOneLine(result.err)) << result.err;
    EXPECT_EQ(result.out, "");
  }
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
  for (const Arguments& arguments :
       std::vector<Arguments>{{"--help"}, {"-h"}, {"encode", "--help"}, {"--version"}}) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    const Result result = RunProgram(arguments, "abc");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_FALSE(result.out.empty());
  }
  EXPECT_NE(RunProgram({"--help"}).out.find("Usage: bytesettext encode"), std::string::npos);
  EXPECT_NE(RunProgram({"--version"}).out.find(PLIMSETT_VERSION), std::string::npos);
}

TEST(CommandLine, HelpThatCannotBeWrittenFails) {
  Launch launch;
  launch.arguments = {"--help"};
  launch.stdoutTo = StandardOutput::kFile;
  launch.stdoutPath = "/dev/full";
  const Result result = RunProgram(launch);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(IsOneLine(result.err)) << result.err;
}

// Options go before or after the command, values attached or separate;
// after "--" a name that starts with a dash is a file; "-o -" is standard
// output. The file "in" holds "ab", the file "-in" holds "cd".
TEST(CommandLine, OptionsInAnyOrderAndSpelling) {
  struct Spelling {
    Arguments arguments;
    std::string toOut;     // expected in the file "out"
    std::string toStdout;  // expected on standard output
  };
  const std::vector<Spelling> spellings = {
      {{"encode", "in", "-o", "out"}, "97,98", ""},
      {{"-o", "out", "encode", "in"}, "97,98", ""},
      {{"encode", "-oout", "in"}, "97,98", ""},
      {{"--output=out", "encode", "in"}, "97,98", ""},
      {{"encode", "in", "--output", "out"}, "97,98", ""},
      {{"encode", "--chunk-size", "1", "in", "-o", "out"}, "97,98", ""},
      {{"encode", "-o", "out", "--", "-in"}, "99,100", ""},
      {{"--", "encode", "-in"}, "", "99,100"},
      {{"encode", "in", "-o", "-"}, "", "97,98"},
  };
  for (const Spelling& spelling : spellings) {
    SCOPED_TRACE(testing::PrintToString(spelling.arguments));
    const TempDir dir;
    dir.Write("in", "ab");
    dir.Write("-in", "cd");
    Launch launch;
    launch.arguments = spelling.arguments;
    launch.workingDirectory = dir.PathOf("");
    const Result result = RunProgram(launch);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out, spelling.toStdout);
    if (!spelling.toOut.empty()) {
      EXPECT_EQ(dir.Read("out"), spelling.toOut);
    }
  }
}

}  // namespace
}  // namespace plimsett::cli_test
