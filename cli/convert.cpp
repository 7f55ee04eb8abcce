#include "cli/convert.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/failure.h"
#include "cli/input.h"
#include "cli/output.h"
#include "core/byte_set_text.h"

namespace plimsett::cli {

namespace {

// Hands each chunk of the input to `step`, with the offset of its first
// byte, until the input ends.
template <typename Step>
void ForEachChunk(Input& input, std::size_t chunkSize, Step step) {
  std::vector<char> chunk(chunkSize);
  std::uint64_t offset = 0;
  for (;;) {
    const std::size_t size = input.Fill(chunk.data(), chunk.size());
    if (size > 0) step(std::string_view(chunk.data(), size), offset);
    // Fill comes back short only at the end; asking again would make a
    // terminal wait for a second end-of-file.
    if (size < chunk.size()) return;
    offset += size;
  }
}

[[noreturn]] void FailZeroByte(const Input& input, const Output& output, std::uint64_t offset) {
  std::string message = input.name() + " holds a zero byte at offset " + std::to_string(offset) +
                        ", and a text cannot hold one; ";
  message += output.writesThrough()
                 ? "the byte-set text written to " + output.name() + " is incomplete"
                 : "nothing was written to " + output.name();
  throw Failure(kExitZeroByte, message);
}

}  // namespace

void EncodeStream(Input& input, Output& output, std::size_t chunkSize) {
  ByteSetTextEncoder encoder;
  std::vector<char> encoded(ByteSetTextEncoder::MaxOutput(chunkSize));
  ForEachChunk(input, chunkSize, [&](std::string_view chunk, std::uint64_t offset) {
    // Checked before anything of the chunk is written, so that the output
    // ends at a chunk boundary before the zero byte.
    const auto* zero = static_cast<const char*>(std::memchr(chunk.data(), 0, chunk.size()));
    if (zero != nullptr) {
      FailZeroByte(input, output, offset + static_cast<std::uint64_t>(zero - chunk.data()));
    }
    output.Write(encoded.data(), encoder.Encode(chunk, encoded.data()));
  });
}

void DecodeStream(Input& input, Output& output, std::size_t chunkSize) {
  ByteSetTextDecoder decoder;
  std::vector<char> decoded(ByteSetTextDecoder::MaxOutput(chunkSize));
  ForEachChunk(input, chunkSize, [&](std::string_view chunk, std::uint64_t) {
    output.Write(decoded.data(), decoder.Decode(chunk, decoded.data()));
  });
  output.Write(decoded.data(), decoder.Finish(decoded.data()));
}

}  // namespace plimsett::cli
