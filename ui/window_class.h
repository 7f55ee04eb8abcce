// The window classes of the program's own share their settings.
#pragma once

#include <windows.h>

namespace plimsett::ui {

// Registers a class with double-click messages, redraw on horizontal and
// vertical size change, the arrow cursor, no background brush and no icon.
// Returns its atom, or 0.
ATOM RegisterProgramClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

}  // namespace plimsett::ui
