// The chunked encoder and decoder driven over a text cut at given places.
// Every chunk is handed over in a buffer of exactly its size and every call
// writes into a room of exactly the size the coder promises to need, so a
// read or write past either shows: at once under AddressSanitizer, through
// guard bytes otherwise.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plimsett::properties {

// Ascending cut positions, each at most the size of the text; repeated
// positions make empty chunks.
using Cuts = std::vector<std::size_t>;

// A copy of some bytes in a heap block of exactly their size.
class ExactCopy {
 public:
  explicit ExactCopy(std::string_view bytes);
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  std::unique_ptr<char[]> data_;
  std::size_t size_;
};

struct ChunkedResult {
  std::string output;
  std::string fault;  // how a call broke its contract on room; empty if none
};

ChunkedResult EncodeInChunks(std::string_view text, const Cuts& cuts);
ChunkedResult DecodeInChunks(std::string_view byteSetText, const Cuts& cuts);

// The whole text through one Encode call into a room of exactly
// EncodedLength bytes, which the encoder says is enough.
ChunkedResult EncodeIntoExactRoom(std::string_view text);

}  // namespace plimsett::properties
