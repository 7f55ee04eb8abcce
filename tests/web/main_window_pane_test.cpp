// The web page pane inside the real main window: the group box, the web view
// made its child, the cut-out on screen, the focus and the end of the engine,
// with a stand-in engine and with the system's own.
#include <gtest/gtest.h>

#include <vector>

#include "case_name.h"
#include "fake_engine.h"
#include "pixel_pattern.h"
#include "test_window.h"
#include "ui/main_window.h"
#include "ui/web_engine.h"

namespace plimsett::tests {
namespace {

constexpr wchar_t kCaption[] = L"Plimsett - Orvandy";
constexpr wchar_t kFirstButtonCaption[] = L"文本转换到文本型字节集";
constexpr int kViewWidth = 248;
constexpr int kViewHeight = 176;

HWND openedWindow = nullptr;

HICON NoIcon(bool) { return nullptr; }
void NoteOpened(HWND window) { openedWindow = window; }
void NoteGone(HWND window) {
  if (openedWindow == window) openedWindow = nullptr;
}

HWND FindGroupBox(HWND window) {
  for (HWND child : ChildrenOf(window)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (lstrcmpiW(name, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) return child;
  }
  return nullptr;
}

// Tab as the user presses it, through the window's own keyboard handling.
void PressTab() {
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(focus, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC0000001u));
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (ui::PreTranslateMainWindowMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class MainWindowPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole_.Ok());
    ui::MainWindowHost host;
    host.programIcon = NoIcon;
    host.windowOpened = NoteOpened;
    host.windowGone = NoteGone;
    ui::SetMainWindowHost(host);
  }
  void TearDown() override {
    if (openedWindow != nullptr) DestroyWindow(openedWindow);
    PumpMessages();
  }

  // Shows the main window and finds the pane in it.
  void ShowPane() {
    ASSERT_TRUE(ui::ShowMainWindow());
    PumpMessages();
    window_ = openedWindow;
    ASSERT_NE(window_, nullptr);
    groupBox_ = FindGroupBox(window_);
    ASSERT_NE(groupBox_, nullptr);
    const std::vector<HWND> inBox = ChildrenOf(groupBox_);
    ASSERT_EQ(inBox.size(), 1u);
    host_ = inBox.front();
    engine_ = GetWindow(host_, GW_CHILD);
    ASSERT_NE(engine_, nullptr);
  }

  OleScope ole_;
  HWND window_ = nullptr;
  HWND groupBox_ = nullptr;
  HWND host_ = nullptr;
  HWND engine_ = nullptr;
};

TEST_F(MainWindowPaneTest, GroupBoxHoldsTheWebViewAtItsOffset) {
  FakeEngine engine;
  ShowPane();

  EXPECT_TRUE(SameRect(RectInParent(groupBox_), kGroupBoxRect));
  RECT boxClient;
  GetClientRect(groupBox_, &boxClient);
  EXPECT_TRUE(SameRect(boxClient, kGroupBoxRect));
  const LONG_PTR boxStyle = GetWindowLongPtrW(groupBox_, GWL_STYLE);
  EXPECT_EQ(boxStyle & (WS_CHILD | WS_CLIPSIBLINGS), WS_CHILD | WS_CLIPSIBLINGS);
  EXPECT_EQ(boxStyle & WS_CLIPCHILDREN, 0);
  EXPECT_EQ(GetWindowTextLengthW(groupBox_), 0);

  EXPECT_EQ(engine.Host(), host_);
  EXPECT_TRUE(SameRect(RectInParent(host_), kWebViewRect));
  EXPECT_TRUE(IsWindowVisible(host_));
  EXPECT_EQ(ChildrenOf(host_), std::vector<HWND>{engine.ControlWindow()});
}

// The stand-in engine paints the coordinate pattern; on screen, the view's
// pixel (6, 30) is the window's client pixel (0, 0), (197, 101) is (191, 71),
// and nothing of the view shows beyond the box.
TEST_F(MainWindowPaneTest, PaneShowsTheCutOutAtTheTopLeftCorner) {
  FakeEngine engine;
  ShowPane();
  UpdateWindow(window_);
  PumpMessages();

  const RECT area = {0, 0, 242, 146};  // the whole view, had it not been clipped
  const std::vector<COLORREF> pixels = ReadPixels(window_, area);

  EXPECT_TRUE(ShowsOnlyTheCutOut(pixels, area, kGroupBoxRect, POINT{-6, -30}));
  EXPECT_EQ(pixels[0], PatternColour(6, 30));
  EXPECT_EQ(pixels[71 * 242 + 191], PatternColour(197, 101));
}

TEST_F(MainWindowPaneTest, TabLeadsIntoTheEngineAndOutAgain) {
  FakeEngine engine;
  ShowPane();
  HWND firstButton = FindWindowExW(window_, nullptr, L"Button", kFirstButtonCaption);
  ASSERT_NE(firstButton, nullptr);
  SetFocus(firstButton);

  // 编辑框1, 编辑框2, the second button, 编辑框3, then the web view.
  for (int step = 0; step < 5; ++step) PressTab();
  EXPECT_EQ(GetFocus(), engine.ControlWindow());

  PressTab();
  EXPECT_EQ(GetFocus(), firstButton);
}

TEST_F(MainWindowPaneTest, ClosingTheWindowReleasesTheBrowserBeforeTheControl) {
  FakeEngine engine;
  ShowPane();
  const size_t before = engine.Log().size();

  SendMessageW(window_, WM_CLOSE, 0, 0);
  PumpMessages();

  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(std::vector<std::string>(engine.Log().begin() + static_cast<std::ptrdiff_t>(before),
                                     engine.Log().end()),
            (std::vector<std::string>{"destroy control, other references 0",
                                      "object gone, OLE initialised"}));
}

class MainWindowEngineFailureTest : public MainWindowPaneTest,
                                    public ::testing::WithParamInterface<EngineFailure> {};

TEST_P(MainWindowEngineFailureTest, ShowMainWindowFailsAndLeavesNoWindow) {
  FakeEngine engine(GetParam().options);
  EXPECT_FALSE(ui::ShowMainWindow());
  PumpMessages();
  EXPECT_EQ(FindWindowW(nullptr, kCaption), nullptr);
  EXPECT_FALSE(engine.ObjectAlive());
}

INSTANTIATE_TEST_SUITE_P(Failures, MainWindowEngineFailureTest,
                         ::testing::ValuesIn(kEngineFailures), CaseName);

// With the system's own engine: its window fills the web view, only the
// cut-out of it is visible, and Tab puts the keyboard focus into it.
TEST_F(MainWindowPaneTest, SystemEngineFillsTheViewAndShowsThroughTheCutOut) {
  ShowPane();
  EXPECT_EQ(ChildrenOf(host_), std::vector<HWND>{engine_});
  EXPECT_EQ(GetDlgCtrlID(engine_), ui::kEngineControlId);
  EXPECT_TRUE(SameRect(RectInParent(engine_), RECT{0, 0, kViewWidth, kViewHeight}));

  const RECT area = {0, 0, 242, 146};
  HDC dc = GetDCEx(engine_, nullptr, DCX_CACHE);
  DrawPattern(dc, kViewWidth, kViewHeight);
  ReleaseDC(engine_, dc);
  EXPECT_TRUE(ShowsOnlyTheCutOut(ReadPixels(window_, area), area, kGroupBoxRect, POINT{-6, -30}));
}

TEST_F(MainWindowPaneTest, TabPutsTheFocusIntoTheSystemEngine) {
  ShowPane();
  HWND firstButton = FindWindowExW(window_, nullptr, L"Button", kFirstButtonCaption);
  ASSERT_NE(firstButton, nullptr);
  SetFocus(firstButton);

  for (int step = 0; step < 5; ++step) PressTab();
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == engine_ || IsChild(engine_, focus))
      << "focus is on " << focus << ", the engine window is " << engine_;
}

}  // namespace
}  // namespace plimsett::tests
