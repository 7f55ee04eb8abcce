#include "window_tree.h"

#include <cwchar>

#include "child_process.h"

namespace plimsett::test {
namespace {

struct Walk {
  HWND top;
  std::vector<std::wstring> lines;
};

int DepthBelow(HWND top, HWND window) {
  int depth = 0;
  for (HWND at = window; at != nullptr && at != top; at = GetParent(at)) ++depth;
  return depth;
}

std::wstring Describe(HWND top, HWND window) {
  wchar_t className[128] = {};
  GetClassNameW(window, className, 128);
  RECT topRect{};
  RECT rect{};
  GetWindowRect(top, &topRect);
  GetWindowRect(window, &rect);
  wchar_t line[512];
  std::swprintf(line, 512, L"%*s%ls #%d (%ld,%ld %ldx%ld) style %08lx ex %08lx %ls \"",
                2 * DepthBelow(top, window), L"", className, GetDlgCtrlID(window),
                rect.left - topRect.left, rect.top - topRect.top, rect.right - rect.left,
                rect.bottom - rect.top,
                static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
                IsWindowVisible(window) ? L"shown" : L"hidden");
  return line + WindowText(window) + L"\"";
}

BOOL CALLBACK AddChild(HWND child, LPARAM lParam) {
  auto& walk = *reinterpret_cast<Walk*>(lParam);
  walk.lines.push_back(Describe(walk.top, child));
  return TRUE;
}

}  // namespace

std::vector<std::wstring> DescribeWindowTree(HWND window) {
  Walk walk{window, {Describe(window, window)}};
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&walk));
  return walk.lines;
}

}  // namespace plimsett::test
