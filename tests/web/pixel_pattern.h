// A picture in which every pixel tells where it was drawn, so a read-back of
// the screen shows which part of a window is visible and where.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

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

// Whether `pixels`, read from `area` of a window's client area, show a view
// whose top-left corner is at `viewOrigin` exactly inside `box`: there every
// pixel is the view's pattern colour, and nowhere else is any pixel the
// colour the view would have there.
::testing::AssertionResult ShowsOnlyTheCutOut(const std::vector<COLORREF>& pixels, const RECT& area,
                                              const RECT& box, POINT viewOrigin);

}  // namespace plimsett::tests
