// The creation order and the stacking order of the controls. The focus
// order is driven with real keys in keyboard_test.cpp.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "main_window_fixture.h"
#include "ui/main_window.h"

namespace plimsett::ui::testing {
namespace {

// What a CBT hook saw of each window made directly inside the main window.
struct Creation {
  int id;
  bool visible;
};

HWND g_createdMainWindow = nullptr;
std::vector<Creation> g_creations;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW& create = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    HWND window = reinterpret_cast<HWND>(wParam);
    if (create.hwndParent == nullptr && g_createdMainWindow == nullptr) {
      g_createdMainWindow = window;
    } else if (create.hwndParent != nullptr && create.hwndParent == g_createdMainWindow) {
      g_creations.push_back({static_cast<int>(reinterpret_cast<INT_PTR>(create.hMenu)),
                             (create.style & WS_VISIBLE) != 0});
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CreationOrderTest : public MainWindowTest {
 protected:
  void SetUp() override {
    g_createdMainWindow = nullptr;
    g_creations.clear();
    hook_ = SetWindowsHookExW(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    MainWindowTest::SetUp();
    UnhookWindowsHookEx(hook_);
  }

  HHOOK hook_ = nullptr;
};

std::vector<int> IdsOf(std::initializer_list<Control> controls) {
  std::vector<int> ids;
  for (Control control : controls) ids.push_back(ControlId(control));
  return ids;
}

TEST_F(CreationOrderTest, ControlsAreCreatedHiddenInTheWindowInTheFormsOrder) {
  EXPECT_EQ(g_createdMainWindow, window());
  std::vector<int> created;
  for (const Creation& creation : g_creations) {
    created.push_back(creation.id);
    EXPECT_FALSE(creation.visible) << creation.id;
  }
  EXPECT_EQ(created,
            IdsOf({Control::按钮文本到字节集, Control::编辑框1, Control::编辑框2, Control::标签1,
                   Control::标签2, Control::按钮把上面的字节集转换到文本, Control::编辑框3,
                   Control::标签3, Control::分组框1, Control::超文本浏览框1}));
}

std::vector<int> ChildIdsTopmostFirst(HWND parent) {
  std::vector<int> ids;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ids.push_back(GetDlgCtrlID(child));
  }
  return ids;
}

using StackingOrderTest = MainWindowTest;

TEST_F(StackingOrderTest, DirectChildrenAreStackedInReverseCreationOrder) {
  EXPECT_EQ(ChildIdsTopmostFirst(window()),
            IdsOf({Control::分组框1, Control::标签3, Control::编辑框3,
                   Control::按钮把上面的字节集转换到文本, Control::标签2, Control::标签1,
                   Control::编辑框2, Control::编辑框1, Control::按钮文本到字节集}));
}

TEST_F(StackingOrderTest, GroupBoxHoldsOnlyTheWebView) {
  EXPECT_EQ(ChildIdsTopmostFirst(control(Control::分组框1)), IdsOf({Control::超文本浏览框1}));
}

TEST_F(StackingOrderTest, WhereLabelsTwoAndThreeOverlapLabelThreeIsOnTop) {
  // Rows 111 to 114 of the client area belong to both labels.
  POINT point{20, 112};
  EXPECT_EQ(ChildWindowFromPointEx(window(), point, CWP_SKIPINVISIBLE), control(Control::标签3));
}

}  // namespace
}  // namespace plimsett::ui::testing
