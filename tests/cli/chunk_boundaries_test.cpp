// A chunk boundary falls anywhere in a large input, so the result must not
// depend on where. Each tricky input is run with every chunk size from 1
// to its length: that puts a boundary at every position (size 1 at all of
// them at once), and the result must always be the one-shot conversion's.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/byte_set_text.h"
#include "tests/cli/channels.h"

namespace plimsett::cli_test {
namespace {

struct Tricky {
  const char* what;
  std::string input;
};

const std::vector<Tricky> kDecodeInputs = {
    {"pieces cut between digits", "97,98,255,4294967393,1"},
    {"lead byte at a chunk end, comma after it", "\x81,97,\xD6\xD0,98"},
    {"lone lead byte at the very end", "97,98\xD6"},
    {"CR LF before and after commas", "97\r\n,\r\n98,\r\n\r\n99"},
    {"signs at chunk ends", "-97,+98,-,--97,- 97,-1"},
    {"full-width digits, sign and space", "\xA3\xB9\xA3\xB7,\xA1\xA1\xA3\xAB\xA3\xB9\xA3\xB8"},
    {"full-width comma inside a piece",
     "97\xA3\xAC"
     "98,99"},
    {"blanks before numbers",
     " 97,\t98, \x0B\x0C"
     "99"},
};

const std::vector<Tricky> kEncodeInputs = {
    {"ASCII", "abc def"},
    {"double-byte characters and CR LF", "\xD6\xD0\r\n\xBA\xBA\xD7\xD6!"},
    {"a single byte", "a"},
};

void ExpectSameAtEveryChunkSize(const std::string& command, const std::string& input,
                                const std::string& expected) {
  for (std::size_t size = 1; size <= input.size(); ++size) {
    SCOPED_TRACE(testing::Message() << "chunk size " << size);
    // Through a pipe, so the reader has to gather full chunks itself.
    EXPECT_EQ(ConvertThrough(Channel::kStdinToStdout, command, input,
                             {"--chunk-size=" + std::to_string(size)}),
              expected);
  }
}

TEST(ChunkBoundaries, DecodeCarriesPiecesSignsAndLeadBytesAcross) {
  for (const Tricky& tricky : kDecodeInputs) {
    SCOPED_TRACE(tricky.what);
    ExpectSameAtEveryChunkSize("decode", tricky.input, DecodeByteSetText(tricky.input));
  }
}

TEST(ChunkBoundaries, EncodePutsCommasBetweenChunks) {
  for (const Tricky& tricky : kEncodeInputs) {
    SCOPED_TRACE(tricky.what);
    ExpectSameAtEveryChunkSize("encode", tricky.input, EncodeByteSetText(tricky.input));
  }
}

}  // namespace
}  // namespace plimsett::cli_test
