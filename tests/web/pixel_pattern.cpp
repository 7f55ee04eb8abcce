#include "pixel_pattern.h"

#include <cstdint>
#include <sstream>

namespace plimsett::tests {
namespace {

// A top-down 32-bit DIB section selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC Dc() const { return dc_; }
  // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
  void Set(int x, int y, COLORREF colour) {
    bits_[y * width_ + x] = (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
                            (static_cast<std::uint32_t>(GetGValue(colour)) << 8) |
                            GetBValue(colour);
  }
  COLORREF Get(int x, int y) const {
    const std::uint32_t pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }

 private:
  int width_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace

void DrawPattern(HDC dc, int width, int height) {
  Canvas canvas(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) canvas.Set(x, y, PatternColour(x, y));
  }
  BitBlt(dc, 0, 0, width, height, canvas.Dc(), 0, 0, SRCCOPY);
}

std::vector<COLORREF> ReadPixels(HWND window, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  Canvas canvas(width, height);
  // Without DCX_CLIPCHILDREN the window's DC also sees what its children drew.
  HDC source = GetDCEx(window, nullptr, DCX_CACHE);
  BitBlt(canvas.Dc(), 0, 0, width, height, source, area.left, area.top, SRCCOPY);
  ReleaseDC(window, source);
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(canvas.Get(x, y));
  }
  return pixels;
}

::testing::AssertionResult ShowsOnlyTheCutOut(const std::vector<COLORREF>& pixels, const RECT& area,
                                              const RECT& box, POINT viewOrigin) {
  constexpr int kReported = 5;
  const int width = area.right - area.left;
  int wrong = 0;
  std::ostringstream report;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = pixels[static_cast<size_t>((y - area.top) * width + (x - area.left))];
      const COLORREF view = PatternColour(x - viewOrigin.x, y - viewOrigin.y);
      const bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      if (inBox ? pixel == view : pixel != view) continue;
      if (++wrong <= kReported) {
        report << "\n  client pixel (" << x << ", " << y << ") is 0x" << std::hex << pixel
               << (inBox ? ", not the view's 0x" : ", the view's own colour 0x") << view
               << std::dec;
      }
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << report.str() << "\n  " << wrong << " pixels wrong in all";
}

}  // namespace plimsett::tests
