#include "tests/properties/properties.h"

#include <optional>
#include <vector>

#include "core/byte_set_text.h"
#include "core/primitives.h"
#include "tests/properties/models.h"
#include "tests/support/literal_composition.h"

namespace plimsett::properties {

namespace {

// Gathers the properties that failed for one call. Messages are only made
// for failures, so checking stays cheap in the fuzzers' hot loop.
class Report {
 public:
  // The call is named as function(arguments...), quoted once it has failed.
  Report(const char* function, std::string_view argument,
         std::optional<std::string_view> second = std::nullopt)
      : function_(function), argument_(argument), second_(second) {}

  void Fail(const std::string& what) { failures_ += (failures_.empty() ? "" : "; ") + what; }
  void FailIfAny(const std::string& mismatch, const std::string& context) {
    if (!mismatch.empty()) Fail(context + ": " + mismatch);
  }
  std::string Result() const {
    if (failures_.empty()) return "";
    const std::string more = second_ ? ", " + Quoted(*second_) : "";
    return function_ + "(" + Quoted(argument_) + more + "): " + failures_;
  }

 private:
  std::string function_;
  std::string_view argument_;
  std::optional<std::string_view> second_;
  std::string failures_;
};

std::string Got(std::string_view actual, std::string_view expected) {
  return " (" + Quoted(actual) + " instead of " + Quoted(expected) + ")";
}

void CheckChunked(Report& report, const ChunkedResult& chunked, std::string_view whole,
                  const std::string& how) {
  report.FailIfAny(chunked.fault, how);
  if (chunked.output != whole) report.Fail(how + " differs" + Got(chunked.output, whole));
}

// Writes into buffers that hold old content, with room to spare and with
// almost none, so that both ways of writing into a reused buffer are taken.
void CheckIntoReusedBuffers(Report& report, std::string_view input, std::string_view whole,
                            void (*into)(std::string_view, std::string&)) {
  for (const std::size_t room : {std::size_t{0}, 4 * input.size() + 16}) {
    std::string reused = "stale";
    reused.reserve(room);
    into(input, reused);
    if (reused != whole) report.Fail("into a reused buffer" + Got(reused, whole));
  }
}

// A prefix and a decimal number. Appended rather than added, as GCC 12
// warns falsely on a literal plus a temporary string.
std::string Spelled(std::string_view prefix, std::int64_t number) {
  std::string spelled(prefix);
  spelled += std::to_string(number);
  return spelled;
}

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

std::string CheckEncode(std::string_view text, const Cuts& cuts) {
  Report report("EncodeByteSetText", text);
  const std::string encoded = EncodeByteSetText(text);
  const std::string composed = reference::EncodeByPrimitives(text);
  if (encoded != composed) report.Fail("differs from the composition" + Got(encoded, composed));
  if (EncodedLength(text) != encoded.size()) report.Fail("EncodedLength is not its length");
  report.FailIfAny(WrittenFormMismatch(encoded, text), "not the written form of the text");
  const std::string back = DecodeByteSetText(encoded);
  const std::string kept = WithoutZeroBytes(text);
  if (back != kept) report.Fail("does not decode back" + Got(back, kept));
  CheckIntoReusedBuffers(report, text, encoded, EncodeByteSetTextInto);
  CheckChunked(report, EncodeInChunks(text, cuts), encoded, "chunked");
  CheckChunked(report, EncodeIntoExactRoom(text), encoded, "into a room of its exact length");
  return report.Result();
}

std::string CheckDecode(std::string_view byteSetText, const Cuts& cuts) {
  Report report("DecodeByteSetText", byteSetText);
  const std::string decoded = DecodeByteSetText(byteSetText);
  const std::string composed = reference::DecodeByPrimitives(byteSetText);
  if (decoded != composed) report.Fail("differs from the composition" + Got(decoded, composed));
  if (decoded.find('\0') != std::string::npos) report.Fail("holds a zero byte");
  const std::size_t pieces = SplitText(byteSetText, ",").size();
  if (decoded.size() > 4 * pieces) report.Fail("more than four bytes per piece");
  const std::string encoded = EncodeByteSetText(decoded);
  report.FailIfAny(WrittenFormMismatch(encoded, decoded), "its encoding " + Quoted(encoded));
  const std::string again = DecodeByteSetText(encoded);
  if (again != decoded) report.Fail("decoding its encoding differs" + Got(again, decoded));
  CheckIntoReusedBuffers(report, byteSetText, decoded, DecodeByteSetTextInto);
  CheckChunked(report, DecodeInChunks(byteSetText, cuts), decoded, "chunked");
  return report.Result();
}

std::string CheckSplitText(std::string_view text, std::string_view separator) {
  Report report("SplitText", text, separator);
  const TextList pieces = SplitText(text, separator);
  if (text.empty() || separator.empty()) {
    const TextList expected = text.empty() ? TextList{} : TextList{Text(text)};
    if (pieces != expected) report.Fail("not the whole text as its only piece, or none if empty");
    return report.Result();
  }
  const std::size_t n = text.size();
  const std::size_t m = separator.size();
  std::string joined;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    if (k != 0) joined += separator;
    joined += pieces[k];
  }
  const bool finalSeparator = !pieces.empty() && joined.size() + m == n &&
                              text.substr(0, joined.size()) == joined &&
                              text.substr(joined.size()) == separator;
  if (joined != text && !finalSeparator) {
    report.Fail("the joined pieces are neither the text nor it less a final separator");
    return report.Result();
  }
  std::size_t start = 0;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    const std::size_t end = start + pieces[k].size();
    const bool separatorFollows = k + 1 < pieces.size() || finalSeparator;
    const std::string which = "piece " + std::to_string(k + 1);
    if (!separatorFollows && pieces[k].empty()) report.Fail("an empty last piece");
    // The positions the scan visits inside the piece: character starts.
    std::size_t at = start;
    while (at < end) {
      if (at + m <= n && text.compare(at, m, separator) == 0) {
        report.Fail(which + " holds a separator where a character begins");
        break;
      }
      if (IsLeadByte(text[at]) && at + 1 == n) break;  // a lone lead byte ends the scan
      at += IsLeadByte(text[at]) ? 2 : 1;
    }
    if (separatorFollows && at != end) report.Fail(which + " ends inside a character");
    start = end + (separatorFollows ? m : 0);
  }
  return report.Result();
}

std::string CheckTextToInt32(std::string_view text) {
  Report report("TextToInt32", text);
  const std::int32_t value = TextToInt32(text);
  const std::int32_t model = ModelTextToInt32(text);
  if (value != model) {
    report.Fail("is " + std::to_string(value) + ", the model says " + std::to_string(model));
  }
  const std::string folded = FoldFullWidth(text);
  const std::string foldedByModel = ModelFoldFullWidth(text);
  if (folded != foldedByModel) report.Fail("FoldFullWidth differs" + Got(folded, foldedByModel));
  if (TextToInt32(folded) != value) report.Fail("reads another value once folded");
  return report.Result();
}

std::string CheckReadsBack(std::int32_t value) {
  const std::string plain = std::to_string(value);
  Report report("TextToInt32 reading back", plain);
  const std::int64_t wide = value;
  constexpr std::int64_t kWrap = std::int64_t{1} << 32;
  std::string fullWidth;
  for (const char c : plain) {
    fullWidth += '\xA3';
    fullWidth += static_cast<char>(c + 0x80);  // ０..９ and －
  }
  const std::vector<std::string> spellings = {
      plain,
      "\t\n\v\f\r " + plain,
      "\xA1\xA1" + plain,  // after an ideographic space
      fullWidth,
      plain + "abc",
      plain + ",1",
      plain + "\r\n98",
      std::to_string(static_cast<std::uint32_t>(value)),
      std::to_string(wide + 5 * kWrap),
      Spelled("-", kWrap - (wide < 0 ? wide + kWrap : wide)),
      Spelled(wide < 0 ? "-000" : "+000", wide < 0 ? -wide : wide),
  };
  for (const std::string& spelling : spellings) {
    const std::int32_t read = TextToInt32(spelling);
    if (read != value) report.Fail(Quoted(spelling) + " reads " + std::to_string(read));
  }
  return report.Result();
}

}  // namespace plimsett::properties
