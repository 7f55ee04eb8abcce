// The keyboard rules with real key events through the program's loop: the
// focus order under Tab and Shift+Tab, Esc closing the window, and the keys
// that must change nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace plimsett::ui::testing {
namespace {

using KeyboardTest = MainWindowTest;

TEST_F(KeyboardTest, AfterShowingTheEncodeButtonHasTheFocusAndSpaceClicksIt) {
  EXPECT_EQ(GetFocus(), control(Control::按钮文本到字节集));
  WriteAnsiText(control(Control::编辑框1), "abc");
  PressChord({VK_SPACE});
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), "97,98,99");
}

TEST_F(KeyboardTest, SpaceRightAfterShowingEmptiesTheByteSetFieldFromTheEmptyText) {
  WriteAnsiText(control(Control::编辑框2), "stale");
  PressChord({VK_SPACE});
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), "");
}

std::vector<Control> VisitedBy(const MainWindowTest& test, const std::vector<WORD>& chord,
                               int presses) {
  std::vector<Control> visited;
  for (int i = 0; i < presses; ++i) {
    PressChord(chord);
    const std::optional<Control> focused = test.FocusedControl();
    if (!focused) {
      ADD_FAILURE() << "the focus left the controls after press " << i;
      break;
    }
    visited.push_back(*focused);
  }
  return visited;
}

TEST_F(KeyboardTest, TabVisitsTheFocusOrderAndWrapsToTheEncodeButton) {
  SetFocus(control(Control::按钮文本到字节集));
  const std::vector<Control> expected = {
      Control::编辑框1, Control::编辑框2,       Control::按钮把上面的字节集转换到文本,
      Control::编辑框3, Control::超文本浏览框1, Control::按钮文本到字节集};
  EXPECT_EQ(VisitedBy(*this, {VK_TAB}, 6), expected);
}

TEST_F(KeyboardTest, ShiftTabVisitsTheFocusOrderBackwardsAndWrapsToTheWebView) {
  SetFocus(control(Control::编辑框3));
  const std::vector<Control> expected = {Control::按钮把上面的字节集转换到文本,
                                         Control::编辑框2,
                                         Control::编辑框1,
                                         Control::按钮文本到字节集,
                                         Control::超文本浏览框1,
                                         Control::编辑框3};
  EXPECT_EQ(VisitedBy(*this, {VK_SHIFT, VK_TAB}, 6), expected);
}

TEST_F(KeyboardTest, TabIsUsedUpSoNoFieldReceivesIt) {
  WriteAnsiText(control(Control::编辑框1), "ab");
  WriteAnsiText(control(Control::编辑框2), "cd");
  SetFocus(control(Control::编辑框1));
  SendMessageA(control(Control::编辑框1), EM_SETSEL, 1, 1);
  PressChord({VK_TAB});
  ASSERT_EQ(FocusedControl(), Control::编辑框2);
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框1)), "ab");
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), "cd");
}

TEST_F(KeyboardTest, AHiddenControlIsSkipped) {
  ShowWindow(control(Control::编辑框2), SW_HIDE);
  SetFocus(control(Control::编辑框1));
  PressChord({VK_TAB});
  EXPECT_EQ(FocusedControl(), Control::按钮把上面的字节集转换到文本);
}

class EscTest : public MainWindowTest, public ::testing::WithParamInterface<Control> {};

TEST_P(EscTest, EscClosesTheWindowWhicheverControlHasTheFocus) {
  SetFocus(control(GetParam()));
  ASSERT_EQ(FocusedControl(), GetParam());
  HWND closing = window();
  PressChord({VK_ESCAPE}, [closing] { return !IsWindow(closing); });
  EXPECT_FALSE(IsWindow(closing));
  EXPECT_EQ(windowGoneCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(FromFieldsAndButtons, EscTest,
                         ::testing::Values(Control::编辑框1, Control::编辑框3,
                                           Control::按钮文本到字节集,
                                           Control::按钮把上面的字节集转换到文本));

struct InertKey {
  const char* label;
  std::vector<WORD> chord;
};

class InertKeyTest : public MainWindowTest,
                     public ::testing::WithParamInterface<std::tuple<InertKey, Control>> {};

// Enter, F1 and the like go on to the focused control, and neither the
// fields nor the buttons act on them.
TEST_P(InertKeyTest, KeyChangesNeitherTheFocusNorAnyField) {
  const auto& [key, focusedControl] = GetParam();
  WriteAnsiText(control(Control::编辑框1), "abc");
  WriteAnsiText(control(Control::编辑框2), "1,2");
  WriteAnsiText(control(Control::编辑框3), "xyz");
  SetFocus(control(focusedControl));
  HWND focused = GetFocus();
  PressChord(key.chord);
  ASSERT_TRUE(IsWindow(window()));
  EXPECT_EQ(GetFocus(), focused);
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框1)), "abc");
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框2)), "1,2");
  EXPECT_EQ(ReadAnsiText(control(Control::编辑框3)), "xyz");
  EXPECT_EQ(windowGoneCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, InertKeyTest,
    ::testing::Combine(::testing::Values(InertKey{"Enter", {VK_RETURN}}, InertKey{"F1", {VK_F1}},
                                         InertKey{"AltA", {VK_MENU, 'A'}},
                                         InertKey{"Alt1", {VK_MENU, '1'}},
                                         InertKey{"ShiftEsc", {VK_SHIFT, VK_ESCAPE}}),
                       ::testing::Values(Control::编辑框1, Control::按钮文本到字节集,
                                         Control::按钮把上面的字节集转换到文本)),
    [](const auto& instance) {
      return std::string(std::get<0>(instance.param).label) + "_on_" +
             std::to_string(ControlId(std::get<1>(instance.param)));
    });

}  // namespace
}  // namespace plimsett::ui::testing
