// What -o does to the file it names when the conversion succeeds.
#include <string>
#include <vector>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "tests/cli/child_process.h"
#include "tests/cli/temp_dir.h"

namespace plimsett::cli_test {
namespace {

// The permissions of a replaced file carry over to its new content.
TEST(OutputFile, KeepsThePermissionsOfTheFileItReplaces) {
  const TempDir dir;
  dir.Write("out", "old");
  ASSERT_EQ(chmod(dir.PathOf("out").c_str(), 0604), 0);
  const Result result = RunProgram({"encode", "-o", dir.PathOf("out")}, "abc");
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(dir.Read("out"), "97,98,99");
  struct stat facts {};
  ASSERT_EQ(stat(dir.PathOf("out").c_str(), &facts), 0);
  EXPECT_EQ(facts.st_mode & 07777, 0604u);
}

// The input is read whole before the result takes its place, so a file
// can be converted in place, larger than a chunk or not.
TEST(OutputFile, CanBeTheInputItself) {
  for (const std::string size : {"2", "65536"}) {
    SCOPED_TRACE("chunk size " + size);
    const TempDir dir;
    const std::string file = dir.Write("file", "abc");
    Result result = RunProgram({"encode", file, "-o", file, "--chunk-size=" + size});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(dir.Read("file"), "97,98,99");
    result = RunProgram({"decode", file, "-o", file, "--chunk-size=" + size});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(dir.Read("file"), "abc");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"file"});
  }
}

}  // namespace
}  // namespace plimsett::cli_test
