// The texts of the fatal-error report, built without the heap: the report
// also has to be shown when the heap is exhausted.
#pragma once

#include <cstddef>
#include <string_view>

namespace plimsett::app {

// A wide text of fixed capacity, always terminated. What does not fit is cut
// off, and the report's own frame around a message is never cut.
struct ReportText {
  static constexpr std::size_t kCapacity = 512;
  wchar_t chars[kCapacity] = {};
  std::size_t length = 0;

  std::wstring_view view() const { return {chars, length}; }
};

// "运行时出错!", an empty line, "错误信息：" and the message, ending in CR LF.
ReportText FatalErrorText(std::wstring_view message);

// "分配 %d 字节内存失败!" with the size in place of %d. The size is the true
// one the allocation asked for, never cut to 32 bits or shown negative.
ReportText OutOfMemoryMessage(std::size_t size);

}  // namespace plimsett::app
