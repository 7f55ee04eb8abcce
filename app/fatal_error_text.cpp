#include "app/fatal_error_text.h"

#include <cstdint>

namespace plimsett::app {
namespace {

constexpr std::wstring_view kHead = L"运行时出错!\r\n\r\n错误信息：";
constexpr std::wstring_view kTail = L"\r\n";
constexpr std::wstring_view kOutOfMemory = L"分配 %d 字节内存失败!";
constexpr std::wstring_view kPlaceholder = L"%d";

// Appends as much of `piece` as fits, keeping room for `reserve` more
// characters and the terminator.
void Append(ReportText& text, std::wstring_view piece, std::size_t reserve = 0) {
  const std::size_t room = ReportText::kCapacity - 1 - reserve - text.length;
  const std::size_t n = piece.size() < room ? piece.size() : room;
  piece.copy(text.chars + text.length, n);
  text.length += n;
  text.chars[text.length] = L'\0';
}

void AppendDecimal(ReportText& text, std::uint64_t value) {
  wchar_t digits[20];  // 2^64 - 1 has 20 digits
  std::size_t n = 0;
  do {
    digits[sizeof digits / sizeof digits[0] - 1 - n] = static_cast<wchar_t>(L'0' + value % 10);
    value /= 10;
    ++n;
  } while (value != 0);
  Append(text, std::wstring_view(digits + sizeof digits / sizeof digits[0] - n, n));
}

}  // namespace

ReportText FatalErrorText(std::wstring_view message) {
  ReportText text;
  Append(text, kHead, kTail.size());
  Append(text, message, kTail.size());
  Append(text, kTail);
  return text;
}

ReportText OutOfMemoryMessage(std::size_t size) {
  const std::size_t at = kOutOfMemory.find(kPlaceholder);
  ReportText text;
  Append(text, kOutOfMemory.substr(0, at));
  AppendDecimal(text, size);
  Append(text, kOutOfMemory.substr(at + kPlaceholder.size()));
  return text;
}

}  // namespace plimsett::app
