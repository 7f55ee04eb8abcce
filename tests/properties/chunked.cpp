#include "tests/properties/chunked.h"

#include <algorithm>
#include <cstring>

#include "core/byte_set_text.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLIMSETT_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PLIMSETT_ASAN 1
#endif
#if defined(PLIMSETT_ASAN)
#include <sanitizer/asan_interface.h>
#endif

namespace plimsett::properties {

namespace {

constexpr std::size_t kGuard = 16;
constexpr char kGuardByte = '\x5A';

// Output room for one coder call, with guard bytes behind it; under
// AddressSanitizer the guard is poisoned, so a write into it stops the run
// right where it happens.
class Room {
 public:
  explicit Room(std::size_t size) : size_(size), data_(new char[size + kGuard]) {
    std::memset(data_.get() + size_, kGuardByte, kGuard);
#if defined(PLIMSETT_ASAN)
    ASAN_POISON_MEMORY_REGION(data_.get() + size_, kGuard);
#endif
  }
  ~Room() {
#if defined(PLIMSETT_ASAN)
    ASAN_UNPOISON_MEMORY_REGION(data_.get() + size_, kGuard);
#endif
  }
  Room(const Room&) = delete;
  Room& operator=(const Room&) = delete;

  char* data() { return data_.get(); }

  // Appends what a call wrote to `result`, or notes in `fault` why it broke
  // the room's contract.
  void Collect(std::size_t written, const char* call, ChunkedResult& result) {
#if defined(PLIMSETT_ASAN)
    ASAN_UNPOISON_MEMORY_REGION(data_.get() + size_, kGuard);
#endif
    const char* guard = data_.get() + size_;
    if (!std::all_of(guard, guard + kGuard, [](char c) { return c == kGuardByte; })) {
      result.fault += std::string(call) + " wrote past its room; ";
    }
    if (written > size_) {
      result.fault += std::string(call) + " says it wrote more than its room; ";
      written = size_;
    }
    result.output.append(data_.get(), written);
  }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> data_;
};

// Calls take(chunk) for the pieces of `text` between the cuts, each in a
// buffer of its own exact size.
template <typename Take>
void ForEachChunk(std::string_view text, const Cuts& cuts, Take take) {
  std::size_t from = 0;
  for (std::size_t i = 0; i <= cuts.size(); ++i) {
    const std::size_t to = i < cuts.size() ? std::clamp(cuts[i], from, text.size()) : text.size();
    const ExactCopy chunk(text.substr(from, to - from));
    take(chunk.view());
    from = to;
  }
}

}  // namespace

ExactCopy::ExactCopy(std::string_view bytes) : data_(new char[bytes.size()]), size_(bytes.size()) {
  std::copy(bytes.begin(), bytes.end(), data_.get());
}

ChunkedResult EncodeInChunks(std::string_view text, const Cuts& cuts) {
  ChunkedResult result;
  ByteSetTextEncoder encoder;
  ForEachChunk(text, cuts, [&](std::string_view chunk) {
    Room room(ByteSetTextEncoder::MaxOutput(chunk.size()));
    room.Collect(encoder.Encode(chunk, room.data()), "Encode", result);
  });
  return result;
}

ChunkedResult DecodeInChunks(std::string_view byteSetText, const Cuts& cuts) {
  ChunkedResult result;
  ByteSetTextDecoder decoder;
  ForEachChunk(byteSetText, cuts, [&](std::string_view chunk) {
    Room room(ByteSetTextDecoder::MaxOutput(chunk.size()));
    room.Collect(decoder.Decode(chunk, room.data()), "Decode", result);
  });
  Room room(ByteSetTextDecoder::kMaxFinishOutput);
  room.Collect(decoder.Finish(room.data()), "Finish", result);
  return result;
}

ChunkedResult EncodeIntoExactRoom(std::string_view text) {
  ChunkedResult result;
  const ExactCopy input(text);
  Room room(EncodedLength(text));
  room.Collect(ByteSetTextEncoder().Encode(input.view(), room.data()), "Encode", result);
  return result;
}

}  // namespace plimsett::properties
