// A text holds no zero byte, so encode refuses an input with one: status
// 2, the offset named, and nothing that passes for a complete result.
#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/byte_set_text.h"
#include "tests/cli/child_process.h"
#include "tests/cli/temp_dir.h"

namespace plimsett::cli_test {
namespace {

struct ZeroCase {
  const char* what;
  std::string input;
  std::size_t zeroAt;
  std::size_t chunkSize;
};

std::string WithZeroAt(std::size_t length, std::size_t at) {
  std::string text(length, 'x');
  text[at] = '\0';
  return text;
}

const std::vector<ZeroCase> kZeroCases = {
    {"only a zero byte", WithZeroAt(1, 0), 0, 65536},
    {"zero inside a short text", WithZeroAt(4, 2), 2, 65536},
    {"zero opening a later chunk", WithZeroAt(20, 14), 14, 7},
    {"zero closing a chunk", WithZeroAt(20, 13), 13, 7},
    {"zero after many default chunks", WithZeroAt(300000, 200001), 200001, 65536},
    {"zero at the last byte", WithZeroAt(300000, 299999), 299999, 65536},
};

void ExpectNamesOffset(const Result& result, std::size_t offset) {
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_TRUE(IsOneLine(result.err)) << result.err;
  EXPECT_NE(result.err.find("offset " + std::to_string(offset) + ","), std::string::npos)
      << result.err;
}

std::vector<std::string> EncodeArguments(const ZeroCase& zeroCase, const std::string& input) {
  return {"encode", input, "--chunk-size=" + std::to_string(zeroCase.chunkSize)};
}

TEST(ZeroByte, LeavesAnExistingOutputFileAsItWas) {
  for (const ZeroCase& zeroCase : kZeroCases) {
    SCOPED_TRACE(zeroCase.what);
    const TempDir dir;
    std::vector<std::string> arguments = EncodeArguments(zeroCase, dir.Write("in", zeroCase.input));
    dir.Write("out", "what was there before");
    arguments.insert(arguments.end(), {"-o", dir.PathOf("out")});

    const Result result = RunProgram(arguments);
    ExpectNamesOffset(result, zeroCase.zeroAt);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(dir.Read("out"), "what was there before");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"in", "out"}));
  }
}

TEST(ZeroByte, CreatesNoOutputFile) {
  for (const ZeroCase& zeroCase : kZeroCases) {
    SCOPED_TRACE(zeroCase.what);
    const TempDir dir;
    std::vector<std::string> arguments = EncodeArguments(zeroCase, dir.Write("in", zeroCase.input));
    arguments.insert(arguments.end(), {"-o", dir.PathOf("out")});

    ExpectNamesOffset(RunProgram(arguments), zeroCase.zeroAt);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"in"});
  }
}

// Standard output cannot be taken back: what reached it must be the
// byte-set text of a part of the input that ends before the zero byte,
// and the message must say that the output is incomplete.
TEST(ZeroByte, StopsStandardOutputBeforeTheZero) {
  for (const ZeroCase& zeroCase : kZeroCases) {
    SCOPED_TRACE(zeroCase.what);
    const TempDir dir;
    const Result result = RunProgram(EncodeArguments(zeroCase, dir.Write("in", zeroCase.input)));
    ExpectNamesOffset(result, zeroCase.zeroAt);
    EXPECT_NE(result.err.find("incomplete"), std::string::npos) << result.err;

    const Text written = DecodeByteSetText(result.out);
    EXPECT_LE(written.size(), zeroCase.zeroAt);
    EXPECT_EQ(written, zeroCase.input.substr(0, written.size()));
    EXPECT_EQ(EncodeByteSetText(written), result.out);
  }
}

TEST(ZeroByte, ComingThroughStandardInputIsCaughtToo) {
  const Result result = RunProgram({"encode"}, std::string("ab\0", 3));
  ExpectNamesOffset(result, 2);
  EXPECT_NE(result.err.find("standard input"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace plimsett::cli_test
