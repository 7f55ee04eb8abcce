// The one place where a control of the table becomes a window.
#pragma once

#include <windows.h>

#include "ui/control_table.h"

namespace plimsett::ui {

// Creates the control's window, hidden, as a child of `window` at its table
// position, with its settings and `font`. Nullptr when it cannot be made.
HWND CreateControlWindow(const ControlRow& row, HWND window, HFONT font);

}  // namespace plimsett::ui
