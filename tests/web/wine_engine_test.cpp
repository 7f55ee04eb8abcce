// The web view with the system's own WebBrowser control (Wine's, here),
// placed in a group box the way the main window places it.
#include <gtest/gtest.h>

#include <vector>

#include "pixel_pattern.h"
#include "test_window.h"
#include "ui/web_engine.h"
#include "ui/web_view.h"

namespace plimsett::tests {
namespace {

constexpr int kWidth = 248;
constexpr int kHeight = 176;

class WineEngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ole_.Ok());
    ui::WebViewSettings settings;
    settings.url = ui::kMakerSiteAddress;
    host_ = ui::CreateWebView(parent_.Window(), kWebViewRect, kWebViewId, settings);
    ASSERT_NE(host_, nullptr);
    parent_.PlaceInGroupBoxAndShow(host_);
  }

  HWND EngineWindow() const { return GetWindow(host_, GW_CHILD); }

  OleScope ole_;
  TestParent parent_;
  HWND host_ = nullptr;
};

TEST_F(WineEngineTest, EngineWindowIsTheHostsOnlyChildAndFillsIt) {
  const std::vector<HWND> children = ChildrenOf(host_);
  ASSERT_EQ(children.size(), 1u);
  HWND engine = children.front();
  EXPECT_EQ(GetDlgCtrlID(engine), ui::kEngineControlId);
  const LONG_PTR style = GetWindowLongPtrW(engine, GWL_STYLE);
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
  EXPECT_TRUE(SameRect(RectInParent(engine), RECT{0, 0, kWidth, kHeight}));
}

TEST_F(WineEngineTest, HostSitsAtItsOffsetInsideTheGroupBox) {
  EXPECT_EQ(GetParent(host_), parent_.GroupBox());
  EXPECT_TRUE(SameRect(RectInParent(host_), kWebViewRect));
  RECT box;
  GetClientRect(parent_.GroupBox(), &box);
  EXPECT_TRUE(SameRect(box, kGroupBoxRect));
}

// Whatever is drawn into the engine window shows only where the group box
// lets it: its pixel (6, 30) at the window's client pixel (0, 0), and nothing
// of it outside the box.
TEST_F(WineEngineTest, OnlyTheCutOutOfTheEngineWindowIsVisible) {
  HWND engine = EngineWindow();
  ASSERT_NE(engine, nullptr);
  const RECT area = {0, 0, 242, 146};  // the whole view, had it not been clipped
  HDC dc = GetDCEx(engine, nullptr, DCX_CACHE);
  DrawPattern(dc, kWidth, kHeight);
  ReleaseDC(engine, dc);
  const std::vector<COLORREF> pixels = ReadPixels(parent_.Window(), area);

  EXPECT_TRUE(ShowsOnlyTheCutOut(pixels, area, kGroupBoxRect, POINT{-6, -30}));
  EXPECT_EQ(pixels[0], PatternColour(6, 30));
  EXPECT_EQ(pixels[71 * 242 + 191], PatternColour(197, 101));
}

TEST_F(WineEngineTest, FocusGivenToTheHostGoesIntoTheEngine) {
  HWND engine = EngineWindow();
  ASSERT_NE(engine, nullptr);
  SetFocus(host_);
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == engine || IsChild(engine, focus))
      << "focus is on " << focus << ", engine window is " << engine;
}

TEST_F(WineEngineTest, EngineWindowFollowsTheHostsSize) {
  HWND engine = EngineWindow();
  ASSERT_NE(engine, nullptr);
  SetWindowPos(host_, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameRect(RectInParent(engine), RECT{0, 0, 300, 200}));
}

TEST_F(WineEngineTest, DestroyingTheHostTakesTheEngineWindowWithIt) {
  HWND engine = EngineWindow();
  ASSERT_NE(engine, nullptr);
  DestroyWindow(host_);
  PumpMessages();
  EXPECT_FALSE(IsWindow(engine));
  EXPECT_EQ(ChildrenOf(parent_.GroupBox()), std::vector<HWND>{});
}

// Every reference to the control is given back with the host window, so the
// engine's library can be unloaded at once. No address: a navigation under
// way would keep engine objects of its own alive for a while.
TEST(WineEngineReferences, DestroyingTheHostGivesTheEngineBackEntirely) {
  OleScope ole;
  ASSERT_TRUE(ole.Ok());
  TestParent parent;
  HWND host = ui::CreateWebView(parent.Window(), kWebViewRect, kWebViewId, ui::WebViewSettings{});
  ASSERT_NE(host, nullptr);
  parent.PlaceInGroupBoxAndShow(host);
  ASSERT_NE(GetModuleHandleW(L"ieframe.dll"), nullptr);

  DestroyWindow(host);
  PumpMessages();
  CoFreeUnusedLibrariesEx(0, 0);

  EXPECT_EQ(GetModuleHandleW(L"ieframe.dll"), nullptr);
}

// Without OLE the system's control cannot be made; the web view then fails
// and leaves no window behind.
TEST(WineEngineWithoutOle, CreationFailsAndLeavesNothing) {
  TestParent parent;
  ui::WebViewSettings settings;
  settings.url = ui::kMakerSiteAddress;
  EXPECT_EQ(ui::CreateWebView(parent.Window(), kWebViewRect, kWebViewId, settings), nullptr);
  EXPECT_EQ(ChildrenOf(parent.Window()), std::vector<HWND>{parent.GroupBox()});
}

}  // namespace
}  // namespace plimsett::tests
