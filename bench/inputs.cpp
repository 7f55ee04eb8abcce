#include "bench/inputs.h"

#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <utility>

#include "core/byte_set_text.h"
#include "tests/support/random_texts.h"

namespace plimsett::bench {
namespace {

unsigned Uniform(std::mt19937& rng, unsigned low, unsigned high) {
  return std::uniform_int_distribution<unsigned>(low, high)(rng);
}

void PutByte(Text& text, unsigned b) { text.push_back(static_cast<char>(b)); }

// Calls `put` until the text is long enough and cuts it to `length`. The cut
// may split a number or a two-byte character; the conversions take that.
template <typename PutToken>
Text Fill(std::size_t length, PutToken put) {
  Text text;
  text.reserve(length + 64);
  while (text.size() < length) put(text);
  text.resize(length);
  return text;
}

// English-like prose, one sentence at a time: what a user pastes most.
class Prose {
 public:
  explicit Prose(std::mt19937& rng) : rng_(rng) {}

  void PutSentence(Text& text) {
    static constexpr std::string_view kWords[] = {
        "the",   "of",   "and",  "to",     "a",    "in",    "is",   "it",    "you",   "that",
        "he",    "was",  "for",  "on",     "are",  "with",  "as",   "his",   "they",  "be",
        "at",    "one",  "have", "this",   "from", "or",    "had",  "by",    "word",  "but",
        "what",  "some", "we",   "can",    "out",  "other", "were", "all",   "there", "when",
        "up",    "use",  "your", "how",    "said", "an",    "each", "she",   "which", "do",
        "their", "time", "if",   "will",   "way",  "about", "many", "then",  "them",  "write",
        "would", "like", "so",   "these",  "her",  "long",  "make", "thing", "see",   "him",
        "two",   "has",  "look", "more",   "day",  "could", "go",   "come",  "did",   "number",
        "sound", "no",   "most", "people", "my",   "over",  "know", "water", "than",  "call",
        "first", "who",  "may",  "down",   "side", "been",  "now",  "find",  "March", "Lisbon",
    };
    const unsigned words = Uniform(rng_, 4, 14);
    for (unsigned i = 0; i < words; ++i) {
      if (i != 0) text.push_back(' ');
      const std::size_t start = text.size();
      if (Uniform(rng_, 0, 39) == 0) {
        text.append(std::to_string(Uniform(rng_, 1, 2024)));
      } else {
        text.append(kWords[Uniform(rng_, 0, std::size(kWords) - 1)]);
      }
      if (i == 0 && text[start] >= 'a' && text[start] <= 'z') text[start] -= 'a' - 'A';
      if (i + 1 != words && Uniform(rng_, 0, 7) == 0) text.push_back(',');
    }
    static constexpr std::string_view kEnds = "........?!";
    text.push_back(kEnds[Uniform(rng_, 0, kEnds.size() - 1)]);
    text.append(Uniform(rng_, 0, 5) == 0 ? "\r\n" : " ");
  }

  // The prose one character at a time, for texts that mix it with others.
  char Next() {
    if (at_ == buffer_.size()) {
      buffer_.clear();
      PutSentence(buffer_);
      at_ = 0;
    }
    return buffer_[at_++];
  }

 private:
  std::mt19937& rng_;
  Text buffer_;
  std::size_t at_ = 0;
};

Text MakeEnglish(std::size_t length, std::mt19937& rng) {
  Prose prose(rng);
  return Fill(length, [&](Text& text) { prose.PutSentence(text); });
}

// Counted in characters: 60% come from the prose, 40% are two-byte
// characters, so about 57% of the bytes are of 0x81 and above.
Text MakeMixed(std::size_t length, std::mt19937& rng) {
  Prose prose(rng);
  return Fill(length, [&](Text& text) {
    if (Uniform(rng, 0, 9) < 6) {
      text.push_back(prose.Next());
    } else {
      PutByte(text, Uniform(rng, 0x81, 0xFE));
      PutByte(text, Uniform(rng, 0x81, 0xFE));
    }
  });
}

// What the encoder writes for a source text, cut to the length asked for.
Text ByteSetTextOf(Text (*makeSource)(std::size_t, std::mt19937&), std::size_t length,
                   std::mt19937& rng) {
  // Every byte takes at least two characters (a digit and a comma).
  Text text = EncodeByteSetText(makeSource(length / 2 + 1, rng));
  text.resize(length);
  return text;
}

Text MakeMixedByteSet(std::size_t length, std::mt19937& rng) {
  return ByteSetTextOf(MakeMixed, length, rng);
}

Text MakeEnglishByteSet(std::size_t length, std::mt19937& rng) {
  return ByteSetTextOf(MakeEnglish, length, rng);
}

void PutByteValue(Text& text, std::mt19937& rng) {
  text.append(std::to_string(Uniform(rng, 1, 255)));
}

Text MakeSpaced(std::size_t length, std::mt19937& rng) {
  static constexpr std::string_view kBlanks[] = {" ", "  ", "\t", "\r\n", " \t "};
  return Fill(length, [&](Text& text) {
    if (Uniform(rng, 0, 2) != 0) text.append(kBlanks[Uniform(rng, 0, std::size(kBlanks) - 1)]);
    PutByteValue(text, rng);
    if (Uniform(rng, 0, 2) == 0) text.append(kBlanks[Uniform(rng, 0, 1)]);
    text.push_back(',');
  });
}

Text MakeSigned(std::size_t length, std::mt19937& rng) {
  return Fill(length, [&](Text& text) {
    text.push_back(Uniform(rng, 0, 1) == 0 ? '+' : '-');
    PutByteValue(text, rng);
    text.push_back(',');
  });
}

Text MakeEmptyPieces(std::size_t length, std::mt19937& rng) {
  return Fill(length, [&](Text& text) {
    if (Uniform(rng, 0, 1) == 0) PutByteValue(text, rng);
    text.push_back(',');
  });
}

Text MakeLongDigits(std::size_t length, std::mt19937& rng) {
  return Fill(length, [&](Text& text) {
    const unsigned digits = Uniform(rng, 4, 12);
    PutByte(text, '0' + Uniform(rng, 1, 9));
    for (unsigned i = 1; i < digits; ++i) PutByte(text, '0' + Uniform(rng, 0, 9));
    text.push_back(',');
  });
}

Text MakeFullWidth(std::size_t length, std::mt19937& rng) {
  return Fill(length, [&](Text& text) {
    if (Uniform(rng, 0, 7) == 0) text.append("\xA1\xA1");  // ideographic space
    for (const char digit : std::to_string(Uniform(rng, 1, 255))) {
      PutByte(text, 0xA3);  // the full-width digits are A3 B0 to A3 B9
      PutByte(text, 0xB0 + static_cast<unsigned>(digit - '0'));
    }
    text.push_back(',');
  });
}

Text MakeLenientMix(std::size_t length, std::mt19937& rng) {
  return test_support::RandomText(rng, test_support::TextKind::kByteSetLike, length);
}

struct Maker {
  InputKind kind;
  Text (*make)(std::size_t, std::mt19937&);
};

constexpr std::array kMakers = {
    Maker{{"mixed", Conversion::kEncode, false,
           "60% ASCII prose, 40% two-byte characters (by character)"},
          MakeMixed},
    Maker{{"english", Conversion::kEncode, false, "English-like ASCII prose with CR LF"},
          MakeEnglish},
    Maker{{"mixed.bst", Conversion::kDecode, false, "byte-set text of the mixed text"},
          MakeMixedByteSet},
    Maker{{"english.bst", Conversion::kDecode, false, "byte-set text of the English-like text"},
          MakeEnglishByteSet},
    Maker{
        {"spaced", Conversion::kDecode, true, "values 1..255 with blanks, tabs, CR LF around them"},
        MakeSpaced},
    Maker{{"signed", Conversion::kDecode, true, "values 1..255, each with a + or - sign"},
          MakeSigned},
    Maker{{"empty-pieces", Conversion::kDecode, true, "half of the pieces empty"}, MakeEmptyPieces},
    Maker{{"long-digits", Conversion::kDecode, true, "numbers of 4 to 12 digits, wrapping around"},
          MakeLongDigits},
    Maker{{"full-width", Conversion::kDecode, true,
           "values in full-width digits, ideographic spaces"},
          MakeFullWidth},
    Maker{{"lenient-mix", Conversion::kDecode, true, "the tests' byte-set-like random text"},
          MakeLenientMix},
};

std::array<InputKind, kMakers.size()> KindsOf() {
  std::array<InputKind, kMakers.size()> kinds{};
  for (std::size_t i = 0; i < kMakers.size(); ++i) kinds[i] = kMakers[i].kind;
  return kinds;
}

const std::array<InputKind, kMakers.size()> kKinds = KindsOf();

}  // namespace

std::span<const InputKind> InputKinds() { return kKinds; }

std::string SizeName(std::size_t bytes) {
  if (bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  if (bytes % kKiB == 0) return std::to_string(bytes / kKiB) + " KiB";
  return std::to_string(bytes) + " B";
}

const Text& Input(const InputKind& kind, std::size_t length) {
  static std::map<std::pair<std::size_t, std::size_t>, Text> made;
  const auto index = static_cast<std::size_t>(&kind - kKinds.data());
  const auto [at, isNew] = made.try_emplace({index, length});
  if (isNew) {
    std::mt19937 rng(static_cast<std::mt19937::result_type>(7919 * index + length));
    at->second = kMakers[index].make(length, rng);
  }
  return at->second;
}

}  // namespace plimsett::bench
