// Creating a window of a class whose procedure is the system's default one
// while still handling the window's messages from the very first.
#pragma once

#include <windows.h>

namespace plimsett::ui {

// CreateWindowExW, with `procedure` put in place of the class's procedure
// before the window receives any message (WM_NCCREATE included). Windows
// that the new window creates while being created are left alone.
HWND CreateWindowWithProcedure(WNDPROC procedure, DWORD exStyle, const wchar_t* className,
                               const wchar_t* caption, DWORD style, const RECT& frame, HWND parent,
                               HINSTANCE instance);

}  // namespace plimsett::ui
