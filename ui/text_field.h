// The one-line text fields of the main window. They are ANSI windows, so the
// platform keeps their content in the system's code page byte for byte, and
// they centre their one line of text vertically.
#pragma once

#include <windows.h>

#include "core/types.h"
#include "ui/control_table.h"

namespace plimsett::ui {

// Creates a hidden field in `parent`, empty, caret at the start, no length
// limit of its own. A field lower than an ideograph of `font` plus its
// edges is made that high.
HWND CreateTextField(HWND parent, const ControlRect& rect, int id, HFONT font);

// The whole content, however long.
Text GetFieldText(HWND field);

// Replaces the whole content; the field's length limit does not apply.
void SetFieldText(HWND field, const Text& text);

// The parent's answer to WM_CTLCOLOREDIT for a field: black on white.
HBRUSH AnswerFieldColourQuery(HDC dc);

}  // namespace plimsett::ui
