// The group box of the main window: a captioned frame that holds the web
// view and never takes the focus.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control_table.h"

namespace plimsett::ui {

// The settings of a group box; the defaults are those the form gives it.
struct GroupBoxSettings {
  int captionAlignment = 0;  // 0 left, 1 centre, any other value right
  COLORREF textColour = RGB(0, 0, 0);
  int backgroundSystemColour = COLOR_BTNFACE;
};

// Creates a hidden group box in `parent` with `caption` in `font`.
HWND CreateGroupBox(HWND parent, const ControlRect& rect, int id, std::wstring_view caption,
                    const GroupBoxSettings& settings, HFONT font);

// The parent's answer to WM_CTLCOLORSTATIC for the box: its text and
// background colours and its background brush.
HBRUSH AnswerGroupBoxColourQuery(HWND box, HDC dc);

}  // namespace plimsett::ui
