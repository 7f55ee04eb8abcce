// The pane in the real program, watched from outside: the system's engine in
// its place inside the group box, and a clean end, exit code 0, when the
// window is closed with the engine in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "test_window.h"
#include "ui/web_engine.h"

namespace plimsett::tests {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

TEST(ProgramPane, SystemEngineSitsInTheBoxAndTheProgramEndsCleanly) {
  test::ChildProcess program(test::WindowsPathOf(PLIMSETT_PROGRAM), L"");
  ASSERT_TRUE(program.started());
  HWND window = program.WaitForWindow(nullptr, L"Plimsett - Orvandy");
  ASSERT_NE(window, nullptr);

  // The group box is the topmost control at the window's top-left corner.
  HWND groupBox = ChildWindowFromPointEx(window, POINT{1, 1}, CWP_ALL);
  ASSERT_NE(groupBox, nullptr);
  EXPECT_EQ(ClassOf(groupBox), L"Button");
  const std::vector<HWND> inBox = ChildrenOf(groupBox);
  ASSERT_EQ(inBox.size(), 1u);
  EXPECT_TRUE(SameRect(RectInParent(inBox.front()), kWebViewRect));

  const std::vector<HWND> inHost = ChildrenOf(inBox.front());
  ASSERT_EQ(inHost.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(inHost.front()), ui::kEngineControlId);
  EXPECT_EQ(ClassOf(inHost.front()), L"Shell Embedding");

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace plimsett::tests
