// What the window, its labels and the group box paint, drawn into memory
// bitmaps through WM_PRINTCLIENT and the colour queries.
#include <windows.h>

#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace plimsett::ui::testing {
namespace {

// A 32-bit bitmap that a window prints its client area into.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  void PrintClientOf(HWND window) {
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
  }

  COLORREF at(int x, int y) const {
    const DWORD pixel = static_cast<const DWORD*>(bits_)[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  void* bits_ = nullptr;
};

using PaintTest = MainWindowTest;

// The box around the pixels that differ from `background`, and whether
// one of them is dark (text drawn in black, smoothed at its edges).
struct Ink {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive; -1: none
  bool dark = false;
};

Ink InkOn(const Canvas& canvas, COLORREF background) {
  Ink ink;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const COLORREF pixel = canvas.at(x, y);
      if (pixel == background) continue;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
      if (ink.left < 0 || x < ink.left) ink.left = x;
      if (x > ink.right) ink.right = x;
      if (GetRValue(pixel) < 64 && GetGValue(pixel) < 64 && GetBValue(pixel) < 64) ink.dark = true;
    }
  }
  return ink;
}

TEST_F(PaintTest, LabelsPaintTheirCaptionInBlackLeftAlignedAndCentredVertically) {
  for (Control label : {Control::标签1, Control::标签2, Control::标签3}) {
    SCOPED_TRACE(ControlId(label));
    Canvas canvas(40, 40);
    canvas.PrintClientOf(control(label));
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(canvas.at(0, 0), face);
    EXPECT_EQ(canvas.at(39, 39), face);
    const Ink text = InkOn(canvas, face);
    ASSERT_GE(text.top, 0) << "no caption drawn";
    EXPECT_TRUE(text.dark);
    EXPECT_LE(text.left, 3);
    EXPECT_NEAR((text.top + text.bottom) / 2, 20, 3);
  }
}

TEST_F(PaintTest, BackgroundsFollowTheSystemColourAtEachPaint) {
  const int element = COLOR_BTNFACE;
  const COLORREF original = GetSysColor(COLOR_BTNFACE);
  const COLORREF changed = RGB(20, 160, 90);
  ASSERT_TRUE(SetSysColors(1, &element, &changed));
  Canvas window(100, 100);
  window.PrintClientOf(this->window());
  Canvas label(40, 40);
  label.PrintClientOf(control(Control::标签2));
  SetSysColors(1, &element, &original);
  // Between the controls of the window's left half, below the group box.
  EXPECT_EQ(window.at(5, 80), changed);
  EXPECT_EQ(label.at(1, 1), changed);
}

TEST_F(PaintTest, GroupBoxAsksForBlackOnTheButtonFaceWithASolidBrush) {
  HDC dc = CreateCompatibleDC(nullptr);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(control(Control::分组框1))));
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), face);
  LOGBRUSH look{};
  ASSERT_EQ(GetObjectW(brush, sizeof look, &look), static_cast<int>(sizeof look));
  EXPECT_EQ(look.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(look.lbColor, face);
  DeleteDC(dc);
}

}  // namespace
}  // namespace plimsett::ui::testing
