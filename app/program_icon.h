// The program icon "DEFAULT_ICON", as the main window shows it.
#pragma once

#include <windows.h>

namespace plimsett::app {

// The icon at 32 x 32 (large) or 16 x 16 (small, scaled by the system from
// the same image). Each is loaded once, on first use, and kept until
// DestroyProgramIcons; the caller does not own it.
HICON ProgramIcon(bool large);

void DestroyProgramIcons();

}  // namespace plimsett::app
