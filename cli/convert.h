// The conversion loop: the whole input, chunk by chunk, in bounded memory.
#pragma once

#include <cstddef>

namespace plimsett::cli {

class Input;
class Output;

// Both write exactly what EncodeByteSetText / DecodeByteSetText give for
// the whole input, whatever `chunkSize` is. They throw Failure on a read or
// write error and, for encode, on a zero byte (no output is written for
// the chunk that holds it).
void EncodeStream(Input& input, Output& output, std::size_t chunkSize);
void DecodeStream(Input& input, Output& output, std::size_t chunkSize);

}  // namespace plimsett::cli
