// A picture in which every pixel tells where it was drawn, so a read-back of
// the screen shows which part of a window is visible and where.
#pragma once

#include <windows.h>

#include <vector>

namespace plimsett::tests {

// The colour of the pattern at (x, y) of the window it was drawn into; the
// blue part keeps it apart from the system's greys and white. Valid for
// coordinates 0 to 255.
inline COLORREF PatternColour(int x, int y) {
  return RGB(static_cast<BYTE>(x), static_cast<BYTE>(y), 0x5A);
}

// Fills width x height pixels of `dc` from (0, 0) with the pattern.
void DrawPattern(HDC dc, int width, int height);

// The pixels of `area` (client coordinates of `window`) as they are on the
// window's surface, children included, row by row.
std::vector<COLORREF> ReadPixels(HWND window, const RECT& area);

}  // namespace plimsett::tests
