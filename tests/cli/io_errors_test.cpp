// Files that cannot be read and outputs that cannot be written: one line
// on standard error, a non-zero status, and no partial result at OUT.
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/cli/child_process.h"
#include "tests/cli/temp_dir.h"

namespace plimsett::cli_test {
namespace {

void ExpectFailure(const Result& result, const std::string& mentioned) {
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_TRUE(IsOneLine(result.err)) << result.err;
  EXPECT_NE(result.err.find(mentioned), std::string::npos) << result.err;
}

const std::vector<std::string> kCommands = {"encode", "decode"};

// A run whose standard output is a full device or a closed pipe.
Launch StandardOutputTo(StandardOutput kind, const std::string& command) {
  Launch launch;
  launch.arguments = {command};
  launch.input = "97,98,99";
  launch.stdoutTo = kind;
  launch.stdoutPath = "/dev/full";
  return launch;
}

TEST(UnreadableInput, LeavesTheOutputFileAsItWas) {
  for (const std::string& command : kCommands) {
    for (const std::string input : {"missing", "folder"}) {
      SCOPED_TRACE(command + " " + input);
      const TempDir dir;
      ASSERT_EQ(mkdir(dir.PathOf("folder").c_str(), 0755), 0);
      dir.Write("out", "kept");

      const Result result = RunProgram({command, dir.PathOf(input), "-o", dir.PathOf("out")});
      ExpectFailure(result, dir.PathOf(input));
      EXPECT_EQ(dir.Read("out"), "kept");
      EXPECT_EQ(dir.Names(), (std::vector<std::string>{"folder", "out"}));
    }
  }
}

TEST(UnwritableOutput, FullDeviceAsStandardOutput) {
  for (const std::string& command : kCommands) {
    SCOPED_TRACE(command);
    ExpectFailure(RunProgram(StandardOutputTo(StandardOutput::kFile, command)), "standard output");
  }
}

// A device named with -o is written directly, never replaced. It is named
// through a link, so that a program that wrongly replaced it would only
// replace the link in the test's folder.
TEST(UnwritableOutput, FullDeviceAsOutputFile) {
  for (const std::string& command : kCommands) {
    SCOPED_TRACE(command);
    const TempDir dir;
    const std::string device = dir.PathOf("full");
    ASSERT_EQ(symlink("/dev/full", device.c_str()), 0);
    ExpectFailure(RunProgram({command, "-o", device}, "97,98,99"), device);
    struct stat facts {};
    ASSERT_EQ(lstat(device.c_str(), &facts), 0);
    EXPECT_TRUE(S_ISLNK(facts.st_mode));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"full"});
  }
}

TEST(UnwritableOutput, ClosedPipeIsAnErrorNotADeath) {
  for (const std::string& command : kCommands) {
    SCOPED_TRACE(command);
    ExpectFailure(RunProgram(StandardOutputTo(StandardOutput::kClosedPipe, command)),
                  "standard output");
  }
}

// A disk that fills up halfway, as far as the program can tell: the
// temporary file hits the file size limit after some chunks were written.
TEST(UnwritableOutput, DiskFullKeepsTheOutputFileAsItWas) {
  for (const std::string& command : kCommands) {
    SCOPED_TRACE(command);
    const TempDir dir;
    dir.Write("out", "kept");
    std::string input;
    while (input.size() < 500000) input += "97,98,99,214,208,";
    Launch launch;
    launch.arguments = {command, dir.Write("in", input), "-o", dir.PathOf("out")};
    launch.fileSizeLimit = 100000;

    ExpectFailure(RunProgram(launch), dir.PathOf("out"));
    EXPECT_EQ(dir.Read("out"), "kept");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"in", "out"}));
  }
}

TEST(UnwritableOutput, MissingFolder) {
  const TempDir dir;
  const std::string out = dir.PathOf("no-such-folder/out");
  ExpectFailure(RunProgram({"encode", "-o", out}, "abc"), out);
  EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace plimsett::cli_test
