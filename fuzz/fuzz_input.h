// How a fuzz target reads libFuzzer's bytes: a text, then, after a zero
// byte, control bytes. A text never holds a zero byte, so the first one ends
// it; the control bytes choose what a target varies besides the text (where
// chunks are cut, a separator, a number). Without them a seed file is just
// the text it names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tests/properties/chunked.h"

namespace plimsett::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : FuzzInput(std::string_view(reinterpret_cast<const char*>(data), size)) {}

  // In a heap block of its exact size, so that reading past it is caught.
  std::string_view text() const { return text_.view(); }
  std::string_view control() const { return control_; }

  // Two control bytes for each cut, at most 16 cuts; a text without control
  // bytes is cut in the middle.
  properties::Cuts cuts() const {
    const std::size_t n = text().size();
    if (control_.empty()) return {n / 2};
    properties::Cuts cuts;
    for (std::size_t at = 0; at + 1 < control_.size() && cuts.size() < 16; at += 2) {
      const unsigned raw = static_cast<unsigned char>(control_[at]) |
                           static_cast<unsigned>(static_cast<unsigned char>(control_[at + 1])) << 8;
      cuts.push_back(raw % (n + 1));
    }
    std::sort(cuts.begin(), cuts.end());
    return cuts;
  }

 private:
  explicit FuzzInput(std::string_view bytes)
      : text_(bytes.substr(0, std::min(bytes.find('\0'), bytes.size()))),
        control_(bytes.substr(std::min(text_.view().size() + 1, bytes.size()))) {}

  properties::ExactCopy text_;
  std::string_view control_;
};

// Ends the run on a failed property, so that libFuzzer keeps the input.
inline void Require(const std::string& failure) {
  if (failure.empty()) return;
  std::fprintf(stderr, "property failed: %s\n", failure.c_str());
  std::abort();
}

}  // namespace plimsett::fuzz
