// The web view against a stand-in engine: what it asks the engine, in which
// order, what it does when the engine fails, and how it lets go.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "case_name.h"
#include "fake_engine.h"
#include "test_window.h"
#include "ui/web_engine.h"
#include "ui/web_view.h"

namespace plimsett::tests {
namespace {

using Calls = std::vector<std::string>;

ui::WebViewSettings PaneSettings() {
  ui::WebViewSettings settings;
  settings.url = ui::kMakerSiteAddress;
  return settings;
}

class WebViewEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ole_.Ok()); }

  HWND MakeWebView(const ui::WebViewSettings& settings) {
    return ui::CreateWebView(parent_.Window(), kWebViewRect, kWebViewId, settings);
  }

  OleScope ole_;
  TestParent parent_;
};

TEST_F(WebViewEngineTest, EngineControlIsMadeInTheHostsClientAreaWithTheEngineId) {
  FakeEngine engine;
  HWND host = MakeWebView(PaneSettings());
  ASSERT_NE(host, nullptr);
  ASSERT_FALSE(engine.Log().empty());
  EXPECT_EQ(engine.Log().front(), "create id=59648 client=0,0,248,176");
  EXPECT_EQ(engine.Host(), host);
}

TEST_F(WebViewEngineTest, HostWindowHasItsPlaceClassAndStyles) {
  FakeEngine engine;
  HWND host = MakeWebView(PaneSettings());
  ASSERT_NE(host, nullptr);

  EXPECT_EQ(GetParent(host), parent_.Window());
  EXPECT_EQ(GetDlgCtrlID(host), kWebViewId);
  EXPECT_EQ(GetWindowLongPtrW(host, GWL_STYLE), WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP);
  EXPECT_EQ(GetWindowLongPtrW(host, GWL_EXSTYLE), 0);
  EXPECT_EQ(GetWindowTextLengthW(host), 0);
  EXPECT_TRUE(SameRect(RectInParent(host), kWebViewRect));

  EXPECT_EQ(GetClassLongPtrW(host, GCL_STYLE), CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(GetClassLongPtrW(host, GCLP_HBRBACKGROUND),
            reinterpret_cast<ULONG_PTR>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(GetClassLongPtrW(host, GCLP_HCURSOR),
            reinterpret_cast<ULONG_PTR>(LoadCursorA(nullptr, IDC_ARROW)));
  EXPECT_EQ(GetClassLongPtrW(host, GCLP_HICON), 0u);
}

ui::WebViewSettings Settings(int fontSize, bool offline, bool silent, std::string url) {
  ui::WebViewSettings settings;
  settings.fontSize = fontSize;
  settings.offline = offline;
  settings.silent = silent;
  settings.url = std::move(url);
  return settings;
}

// The calls the engine is to see: offline and silent mode as VARIANT_BOOL,
// the zoom level, then the navigation to `navigated` (UTF-8) unless null.
Calls Expected(int offline, int silent, int zoom, const char* navigated) {
  Calls calls{"put_Offline(" + std::to_string(offline) + ")",
              "put_Silent(" + std::to_string(silent) + ")",
              "ExecWB(19,2,I4:" + std::to_string(zoom) + ",null)"};
  if (navigated != nullptr) {
    calls.push_back("Navigate(" + std::string(navigated) + ",I4:0,BSTR:null,EMPTY,BSTR:null)");
  }
  return calls;
}

struct CallsCase {
  const char* name;
  ui::WebViewSettings settings;
  Calls calls;
};

class WebViewCallsTest : public WebViewEngineTest,
                         public ::testing::WithParamInterface<CallsCase> {};

TEST_P(WebViewCallsTest, EngineGetsModesThenZoomThenAddress) {
  FakeEngine engine;
  ASSERT_NE(MakeWebView(GetParam().settings), nullptr);
  EXPECT_EQ(engine.BrowserCalls(), GetParam().calls);
}

constexpr const char* kMaker = ui::kMakerSiteAddress;

INSTANTIATE_TEST_SUITE_P(
    Settings, WebViewCallsTest,
    ::testing::Values(
        // The pane as the program has it.
        CallsCase{"Pane", PaneSettings(), Expected(0, 0, 2, "www.orvandy.example")},
        // Modes.
        CallsCase{"Offline", Settings(2, true, false, kMaker), Expected(-1, 0, 2, kMaker)},
        CallsCase{"Silent", Settings(2, false, true, kMaker), Expected(0, -1, 2, kMaker)},
        CallsCase{"OfflineAndSilent", Settings(2, true, true, kMaker), Expected(-1, -1, 2, kMaker)},
        // Text sizes, clamped to 0..4.
        CallsCase{"Smallest", Settings(0, false, false, kMaker), Expected(0, 0, 0, kMaker)},
        CallsCase{"Smaller", Settings(1, false, false, kMaker), Expected(0, 0, 1, kMaker)},
        CallsCase{"Larger", Settings(3, false, false, kMaker), Expected(0, 0, 3, kMaker)},
        CallsCase{"Largest", Settings(4, false, false, kMaker), Expected(0, 0, 4, kMaker)},
        CallsCase{"JustAbove", Settings(5, false, false, kMaker), Expected(0, 0, 4, kMaker)},
        CallsCase{"FarAbove", Settings(INT_MAX, false, false, kMaker), Expected(0, 0, 4, kMaker)},
        CallsCase{"JustBelow", Settings(-1, false, false, kMaker), Expected(0, 0, 0, kMaker)},
        CallsCase{"FarBelow", Settings(INT_MIN, false, false, kMaker), Expected(0, 0, 0, kMaker)},
        // Addresses go out as held: no scheme added or removed, nothing
        // trimmed, code page 936 turned into the same characters.
        CallsCase{"SchemeIsKept", Settings(2, false, false, "https://www.orvandy.example/a?b=1"),
                  Expected(0, 0, 2, "https://www.orvandy.example/a?b=1")},
        CallsCase{"SpacesAreKept", Settings(2, false, false, "  spaced.example/a b  "),
                  Expected(0, 0, 2, "  spaced.example/a b  ")},
        CallsCase{"Chinese", Settings(2, false, false, "\xD6\xD0\xCE\xC4.example/\xD2\xB3"),
                  Expected(0, 0, 2, "中文.example/页")},
        // No address, no navigation.
        CallsCase{"NoAddress", Settings(2, false, false, ""), Expected(0, 0, 2, nullptr)}),
    CaseName);

TEST_F(WebViewEngineTest, RefusedCallsDoNotStopTheWebView) {
  FakeEngine engine({.answer = E_FAIL});
  EXPECT_NE(MakeWebView(PaneSettings()), nullptr);
  EXPECT_EQ(engine.BrowserCalls().size(), 4u);
}

class WebViewFailureTest : public WebViewEngineTest,
                           public ::testing::WithParamInterface<EngineFailure> {};

TEST_P(WebViewFailureTest, FailingEngineLeavesNothingBehind) {
  FakeEngine engine(GetParam().options);
  EXPECT_EQ(MakeWebView(PaneSettings()), nullptr);
  EXPECT_EQ(ChildrenOf(parent_.Window()), std::vector<HWND>{parent_.GroupBox()});
  EXPECT_TRUE(engine.BrowserCalls().empty());
  EXPECT_FALSE(engine.ObjectAlive());
  if (engine.ControlWindow() != nullptr) {
    EXPECT_FALSE(IsWindow(engine.ControlWindow()));
  }
}

INSTANTIATE_TEST_SUITE_P(Failures, WebViewFailureTest, ::testing::ValuesIn(kEngineFailures),
                         CaseName);

TEST_F(WebViewEngineTest, DestroyingTheHostReleasesTheBrowserBeforeTheControl) {
  FakeEngine engine;
  HWND host = MakeWebView(PaneSettings());
  ASSERT_NE(host, nullptr);
  const size_t before = engine.Log().size();

  DestroyWindow(host);

  EXPECT_EQ(Calls(engine.Log().begin() + static_cast<std::ptrdiff_t>(before), engine.Log().end()),
            (Calls{"destroy control, other references 0", "object gone, OLE initialised"}));
  EXPECT_FALSE(IsWindow(engine.ControlWindow()));
}

TEST_F(WebViewEngineTest, FocusGivenToTheHostGoesToTheEngineWindow) {
  FakeEngine engine;
  HWND host = MakeWebView(PaneSettings());
  ASSERT_NE(host, nullptr);
  parent_.PlaceInGroupBoxAndShow(host);

  SetFocus(host);

  EXPECT_EQ(GetFocus(), engine.ControlWindow());
}

TEST_F(WebViewEngineTest, EngineWindowKeepsFillingTheHost) {
  FakeEngine engine;
  HWND host = MakeWebView(PaneSettings());
  ASSERT_NE(host, nullptr);

  for (const SIZE size : {SIZE{300, 200}, SIZE{100, 50}, SIZE{248, 176}}) {
    SetWindowPos(host, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(RectInParent(engine.ControlWindow()), RECT{0, 0, size.cx, size.cy}));
  }
}

}  // namespace
}  // namespace plimsett::tests
