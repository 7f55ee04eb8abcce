#include "test_window.h"

#include <sstream>
#include <string>

namespace plimsett::tests {
namespace {

constexpr wchar_t kParentClass[] = L"PlimsettWebViewTestParent";

HWND CreateParentWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(instance, kParentClass, &windowClass)) {
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kParentClass;
    RegisterClassExW(&windowClass);
  }
  return CreateWindowExW(0, kParentClass, L"web view test",
                         WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 100, 100, 484, 194, nullptr,
                         nullptr, instance, nullptr);
}

}  // namespace

TestParent::TestParent() : window_(CreateParentWindow()) {
  groupBox_ = CreateWindowExW(
      0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, kGroupBoxRect.left,
      kGroupBoxRect.top, kGroupBoxRect.right - kGroupBoxRect.left,
      kGroupBoxRect.bottom - kGroupBoxRect.top, window_, nullptr, GetModuleHandleW(nullptr),
      nullptr);
}

TestParent::~TestParent() {
  if (IsWindow(window_)) DestroyWindow(window_);
  PumpMessages();
}

void TestParent::PlaceInGroupBoxAndShow(HWND host) {
  SetParent(host, groupBox_);
  ShowWindow(host, SW_SHOWNA);
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  PumpMessages();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

namespace {

std::string Describe(const RECT& rect) {
  std::ostringstream text;
  text << "(" << rect.left << ", " << rect.top << ") - (" << rect.right << ", " << rect.bottom
       << ")";
  return text.str();
}

}  // namespace

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Describe(actual) << " instead of " << Describe(expected);
}

}  // namespace plimsett::tests
