// The window and its controls as built: frame, class, styles, positions,
// captions, fonts and colours, compared with the form's fixed settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "ui/control_table.h"

namespace plimsett::ui::testing {
namespace {

using LayoutTest = MainWindowTest;

HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)); }

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

TEST_F(LayoutTest, WindowIsCentredOnTheScreenWithItsFixedOuterSize) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  RECT frame{};
  GetWindowRect(window(), &frame);
  EXPECT_EQ(frame.left, 270);
  EXPECT_EQ(frame.top, 287);
  EXPECT_EQ(frame.right - frame.left, 484);
  EXPECT_EQ(frame.bottom - frame.top, 194);
}

TEST_F(LayoutTest, WindowHasACaptionAndSystemMenuButCannotBeResized) {
  const DWORD style = StyleOf(window());
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_CHILD);
  // The system adds the window edge to every captioned window by itself.
  EXPECT_EQ(ExStyleOf(window()) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0u);

  EXPECT_EQ(ReadWideText(window()), L"Plimsett - Orvandy");
  EXPECT_EQ(GetMenu(window()), nullptr);
  EXPECT_EQ(GetWindow(window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(window()), nullptr);
  EXPECT_EQ(FontOf(window()), GuiFont());
  EXPECT_TRUE(IsWindowVisible(window()));
}

TEST_F(LayoutTest, WindowClassIsTheProgramsOwnWithTheDefaultProcedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), ClassOf(window()).c_str(), &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(wc.lpfnWndProc, reinterpret_cast<WNDPROC>(DefWindowProcW));
  EXPECT_EQ(wc.hbrBackground, nullptr);
  EXPECT_EQ(wc.hIcon, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, IDC_ARROW));
}

struct ExpectedControl {
  Control name;
  const wchar_t* className;  // nullptr: the program's own class
  int left, top, width, height;
  const wchar_t* caption;  // nullptr: not compared
};

// The form's control table, written out again as the test's expectation.
const ExpectedControl kForm[] = {
    {Control::编辑框1, L"Edit", 266, 3, 208, 32, L""},
    {Control::按钮文本到字节集, L"Button", 296, 39, 178, 32,
     L"\u6587\u672C\u8F6C\u6362\u5230\u6587\u672C\u578B\u5B57\u8282\u96C6"},
    {Control::编辑框2, L"Edit", 62, 79, 411, 32, L""},
    {Control::按钮把上面的字节集转换到文本, L"Button", 278, 114, 195, 32,
     L"\u628A\u4E0A\u9762\u7684\u6587\u672C\u578B\u5B57\u8282\u96C6\u8F6C\u6362\u5230\u6587\u672C"},
    {Control::编辑框3, L"Edit", 62, 116, 208, 32, L""},
    {Control::标签1, nullptr, 221, 1, 40, 40, L"\u6587\u672C"},
    {Control::标签2, nullptr, 9, 75, 40, 40, L"\u5B57\u8282\u96C6"},
    {Control::标签3, nullptr, 9, 111, 40, 40, L"\u6587\u672C"},
    {Control::分组框1, L"Button", 0, 0, 192, 72, L""},
    {Control::超文本浏览框1, nullptr, -6, -30, 248, 176, nullptr},
};

TEST_F(LayoutTest, ControlsSitWhereTheFormPutsThemWithTheirCaptions) {
  for (const ExpectedControl& expected : kForm) {
    SCOPED_TRACE(ControlId(expected.name));
    HWND control = this->control(expected.name);
    ASSERT_NE(control, nullptr);
    const RECT rect = RectInParent(control);
    EXPECT_EQ(rect.left, expected.left);
    EXPECT_EQ(rect.top, expected.top);
    EXPECT_EQ(rect.right - rect.left, expected.width);
    EXPECT_EQ(rect.bottom - rect.top, expected.height);
    if (expected.className != nullptr) {
      EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected.className), 0);
    }
    if (expected.caption != nullptr) {
      EXPECT_EQ(ReadWideText(control), expected.caption);
    }
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(LayoutTest, WebViewLivesInsideTheGroupBoxAndEverythingElseInTheWindow) {
  for (const ExpectedControl& expected : kForm) {
    HWND parent = expected.name == Control::超文本浏览框1 ? control(Control::分组框1) : window();
    EXPECT_EQ(GetParent(control(expected.name)), parent) << ControlId(expected.name);
  }
}

TEST_F(LayoutTest, EveryControlButTheWebViewUsesTheGuiFont) {
  for (const ExpectedControl& expected : kForm) {
    if (expected.name == Control::超文本浏览框1) continue;
    EXPECT_EQ(FontOf(control(expected.name)), GuiFont()) << ControlId(expected.name);
  }
}

struct ExpectedStyle {
  Control name;
  DWORD style;  // without WS_VISIBLE
  DWORD exStyle;
};

TEST_F(LayoutTest, ControlsCarryTheirPlatformStyles) {
  constexpr DWORD kField = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
  constexpr DWORD kButton =
      WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  constexpr DWORD kGroupBox = WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT;
  const ExpectedStyle expectations[] = {
      {Control::编辑框1, kField, WS_EX_CLIENTEDGE},
      {Control::编辑框2, kField, WS_EX_CLIENTEDGE},
      {Control::编辑框3, kField, WS_EX_CLIENTEDGE},
      {Control::按钮文本到字节集, kButton, 0},
      {Control::按钮把上面的字节集转换到文本, kButton, 0},
      {Control::分组框1, kGroupBox, 0},
  };
  for (const ExpectedStyle& expected : expectations) {
    HWND control = this->control(expected.name);
    EXPECT_EQ(StyleOf(control) & ~static_cast<DWORD>(WS_VISIBLE), expected.style)
        << ControlId(expected.name);
    EXPECT_EQ(ExStyleOf(control) & ~static_cast<DWORD>(WS_EX_NOPARENTNOTIFY), expected.exStyle)
        << ControlId(expected.name);
  }
}

TEST_F(LayoutTest, LabelsTakeNoFocusAndWebViewDoes) {
  for (Control label : {Control::标签1, Control::标签2, Control::标签3}) {
    EXPECT_FALSE(StyleOf(control(label)) & WS_TABSTOP);
  }
  EXPECT_FALSE(StyleOf(control(Control::分组框1)) & WS_TABSTOP);
  EXPECT_TRUE(StyleOf(control(Control::超文本浏览框1)) & WS_TABSTOP);
}

TEST_F(LayoutTest, FieldsAreAnsiWindowsThatStartEmptyWithoutALimitOfTheirOwn) {
  for (Control field : {Control::编辑框1, Control::编辑框2, Control::编辑框3}) {
    HWND window = control(field);
    EXPECT_FALSE(IsWindowUnicode(window));
    EXPECT_EQ(ReadAnsiText(window), "");
    DWORD start = 1, end = 1;
    SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    // The platform's own default for typing is 30000 characters.
    EXPECT_GT(SendMessageA(window, EM_GETLIMITTEXT, 0, 0), 30000);
  }
}

}  // namespace
}  // namespace plimsett::ui::testing
