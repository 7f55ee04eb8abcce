// The focus rules: the hand-back when the window is activated again, and
// which windows count as the current control for Tab.
#include <windows.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace plimsett::ui::testing {
namespace {

class HandBackTest : public MainWindowTest, public ::testing::WithParamInterface<Control> {};

TEST_P(HandBackTest, SwitchingAwayAndBackReturnsTheFocusToTheSameControl) {
  SetFocus(control(GetParam()));
  HWND focused = GetFocus();
  ASSERT_EQ(FocusedControl(), GetParam());

  OtherTopLevelWindow other;
  ASSERT_NE(other.get(), nullptr);
  Activate(other.get());
  ASSERT_NE(FocusedControl(), GetParam());

  Activate(window());
  EXPECT_EQ(GetFocus(), focused);
}

INSTANTIATE_TEST_SUITE_P(Controls, HandBackTest,
                         ::testing::Values(Control::编辑框2, Control::编辑框3,
                                           Control::按钮把上面的字节集转换到文本,
                                           Control::超文本浏览框1));

using FocusTest = MainWindowTest;

TEST_F(FocusTest, AControlGoneMeanwhileHandsTheFocusToTheFirstOfTheFocusOrder) {
  SetFocus(control(Control::编辑框2));
  OtherTopLevelWindow other;
  Activate(other.get());
  DestroyWindow(control(Control::编辑框2));

  Activate(window());
  EXPECT_EQ(GetFocus(), control(Control::按钮文本到字节集));
}

// Windows inside the web view stand in for those its engine may make.
class InsideWebViewTest : public MainWindowTest {
 protected:
  HWND MakeChild(HWND parent) {
    HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 50,
                                 50, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(child, nullptr);
    return child;
  }
};

TEST_F(InsideWebViewTest, TabFromADirectChildOfTheWebViewLeadsOutOfIt) {
  HWND inner = MakeChild(control(Control::超文本浏览框1));
  SetFocus(inner);
  ASSERT_EQ(GetFocus(), inner);
  PressChord({VK_TAB});
  EXPECT_EQ(GetFocus(), control(Control::按钮文本到字节集));
}

TEST_F(InsideWebViewTest, TabDeeperInsideTheWebViewLeavesTheFocusWhereItIs) {
  HWND deep = MakeChild(MakeChild(control(Control::超文本浏览框1)));
  SetFocus(deep);
  ASSERT_EQ(GetFocus(), deep);
  PressChord({VK_TAB});
  EXPECT_EQ(GetFocus(), deep);
  PressChord({VK_SHIFT, VK_TAB});
  EXPECT_EQ(GetFocus(), deep);
}

}  // namespace
}  // namespace plimsett::ui::testing
