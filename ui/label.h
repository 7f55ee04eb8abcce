// The labels of the main window: windows of the program's own class that
// paint their caption on the dialog colour and react to no input.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/control_table.h"

namespace plimsett::ui {

// Creates a hidden label in `parent` showing `caption` in `font`.
HWND CreateLabel(HWND parent, const ControlRect& rect, int id, std::wstring_view caption,
                 HFONT font);

}  // namespace plimsett::ui
