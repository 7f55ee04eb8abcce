// The focus rules of the main window: which control the focus is in, and
// which control Tab and Shift+Tab move it to.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "ui/control_table.h"

namespace plimsett::ui {

// The controls' windows, indexed like the control table.
using ControlWindows = std::array<HWND, kControlCount>;

// The control whose own window is `focused` or the parent of `focused`;
// none when the focus is deeper inside a control, or elsewhere.
std::optional<Control> ControlHoldingFocus(const ControlWindows& windows, HWND focused);

// The window that Tab (forward) or Shift+Tab gives the focus to from
// `current`, wrapping at the ends; nullptr when no control can take it.
HWND NeighbourInFocusOrder(const ControlWindows& windows, Control current, bool forward);

// The first control of the focus order that can take the focus now.
HWND FirstInFocusOrder(const ControlWindows& windows);

}  // namespace plimsett::ui
