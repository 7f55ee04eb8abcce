// The text fields: the one line centred in the frame, the bands around it,
// the colours, the minimum height, and whole-content reads and writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "main_window_fixture.h"
#include "ui/text_field.h"

namespace plimsett::ui::testing {
namespace {

using FieldFrameTest = MainWindowTest;

constexpr Control kFields[] = {Control::编辑框1, Control::编辑框2, Control::编辑框3};

int TextHeightIn(HWND window, const wchar_t* sample) {
  HDC dc = GetDC(window);
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, sample, 1, &size);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  return size.cy;
}

// The client area's place inside the window, in window coordinates.
RECT ClientInWindow(HWND window) {
  RECT frame{}, client{};
  GetWindowRect(window, &frame);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -frame.left, -frame.top);
  return client;
}

TEST_F(FieldFrameTest, ClientAreaIsOneLineCentredInsideTheSunkenEdge) {
  const int edgeX = GetSystemMetrics(SM_CXEDGE);
  const int edgeY = GetSystemMetrics(SM_CYEDGE);
  for (Control name : kFields) {
    SCOPED_TRACE(ControlId(name));
    HWND field = control(name);
    RECT frame{};
    GetWindowRect(field, &frame);
    const int insideHeight = (frame.bottom - frame.top) - 2 * edgeY;
    const int lineHeight = TextHeightIn(field, L"W");
    ASSERT_LT(lineHeight, insideHeight);

    const RECT client = ClientInWindow(field);
    EXPECT_EQ(client.left, edgeX);
    EXPECT_EQ(client.right, (frame.right - frame.left) - edgeX);
    EXPECT_EQ(client.top, edgeY + (insideHeight - lineHeight) / 2);
    EXPECT_EQ(client.bottom - client.top, lineHeight);
  }
}

TEST_F(FieldFrameTest, BandsAboveAndBelowTheLineAnswerAsBorder) {
  for (Control name : kFields) {
    SCOPED_TRACE(ControlId(name));
    HWND field = control(name);
    RECT frame{}, client{};
    GetWindowRect(field, &frame);
    GetClientRect(field, &client);
    MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int x = (client.left + client.right) / 2;
    const auto hitAt = [field, x](int y) {
      return SendMessageW(field, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    };
    EXPECT_EQ(hitAt(client.top - 1), HTBORDER);
    EXPECT_EQ(hitAt(frame.top + GetSystemMetrics(SM_CYEDGE)), HTBORDER);
    EXPECT_EQ(hitAt((client.top + client.bottom) / 2), HTCLIENT);
    EXPECT_EQ(hitAt(client.bottom), HTBORDER);
  }
}

TEST_F(FieldFrameTest, BandsArePaintedWhiteLikeTheLine) {
  HWND field = control(Control::编辑框2);
  RedrawWindow(field, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT client = ClientInWindow(field);
  ASSERT_GT(client.top, GetSystemMetrics(SM_CYEDGE));
  HDC dc = GetWindowDC(field);
  const int x = client.left + 5;
  EXPECT_EQ(GetPixel(dc, x, client.top - 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, x, GetSystemMetrics(SM_CYEDGE)), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, x, client.bottom), RGB(255, 255, 255));
  // The sunken edge itself stays dark.
  EXPECT_NE(GetPixel(dc, x, 0), RGB(255, 255, 255));
  ReleaseDC(field, dc);
}

TEST_F(FieldFrameTest, ColourQueryAnswersBlackOnASolidWhiteBrush) {
  for (Control name : kFields) {
    SCOPED_TRACE(ControlId(name));
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(window(), WM_CTLCOLOREDIT,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control(name))));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    LOGBRUSH look{};
    ASSERT_EQ(GetObjectW(brush, sizeof look, &look), static_cast<int>(sizeof look));
    EXPECT_EQ(look.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(look.lbColor, RGB(255, 255, 255));
    DeleteDC(dc);
  }
}

// A parent of the test's own, for fields made outside the main window.
class FieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 600, 200, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND MakeField(int height) {
    HWND field = CreateTextField(parent_, {10, 10, 300, height}, 7, GuiFont());
    EXPECT_NE(field, nullptr);
    return field;
  }
  static HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

  static int WindowHeight(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame.bottom - frame.top;
  }

  HWND parent_ = nullptr;
};

TEST_F(FieldTest, LowFieldIsMadeAsHighAsAnIdeographAndItsEdges) {
  HWND field = MakeField(6);
  EXPECT_EQ(WindowHeight(field), TextHeightIn(field, L"\u4E2D") + 2 * GetSystemMetrics(SM_CYEDGE));
  EXPECT_EQ(WindowHeight(MakeField(32)), 32);
}

struct RoundTrip {
  const char* label;
  std::string text;
};

TEST_F(FieldTest, WholeContentComesBackByteForByte) {
  const RoundTrip cases[] = {
      {"empty", ""},
      {"ascii", "abc"},
      // Code page 936: two bytes per Chinese character, so the platform's
      // length is an upper bound in characters, not the byte count.
      {"chinese and ascii",
       "\xD6\xD0\xCE\xC4"
       "abc"},
      {"longer than any fixed buffer", std::string(3000, 'x')},
      {"many double-byte characters",
       [] {
         std::string text;
         for (int i = 0; i < 900; ++i) text += "\xBA\xBA";
         return text;
       }()},
  };
  HWND field = MakeField(32);
  for (const RoundTrip& trip : cases) {
    SCOPED_TRACE(trip.label);
    SetFieldText(field, trip.text);
    EXPECT_EQ(ReadAnsiText(field), trip.text);
    EXPECT_EQ(GetFieldText(field), trip.text);
  }
}

TEST_F(FieldTest, WritesIgnoreTheTypingLimit) {
  HWND field = MakeField(32);
  SendMessageA(field, EM_LIMITTEXT, 5, 0);
  const std::string text(200, '7');
  SetFieldText(field, text);
  EXPECT_EQ(GetFieldText(field), text);
}

TEST_F(FieldTest, WritingReplacesEverythingAndEmptyEmpties) {
  HWND field = MakeField(32);
  WriteAnsiText(field, "old content");
  SetFieldText(field, "new");
  EXPECT_EQ(GetFieldText(field), "new");
  SetFieldText(field, "");
  EXPECT_EQ(GetFieldText(field), "");
}

}  // namespace
}  // namespace plimsett::ui::testing
