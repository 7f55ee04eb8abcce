// Candidates are judged at the moment of the key press: a control that is
// hidden or disabled then is skipped.
#include "ui/focus_order.h"

namespace plimsett::ui {
namespace {

bool CanTakeFocus(const ControlWindows& windows, std::size_t index) {
  HWND window = windows[index];
  return kControls[index].takesFocus && window != nullptr && IsWindowVisible(window) &&
         IsWindowEnabled(window);
}

}  // namespace

std::optional<Control> ControlHoldingFocus(const ControlWindows& windows, HWND focused) {
  if (focused == nullptr) return std::nullopt;
  const HWND parent = GetParent(focused);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (windows[i] == focused) return kControls[i].name;
  }
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (parent != nullptr && windows[i] == parent) return kControls[i].name;
  }
  return std::nullopt;
}

HWND NeighbourInFocusOrder(const ControlWindows& windows, Control current, bool forward) {
  // All controls share one focus rank, so the order is the creation order.
  const std::size_t start = IndexOf(current);
  for (std::size_t step = 1; step < kControlCount; ++step) {
    const std::size_t index =
        forward ? (start + step) % kControlCount : (start + kControlCount - step) % kControlCount;
    if (CanTakeFocus(windows, index)) return windows[index];
  }
  return nullptr;
}

HWND FirstInFocusOrder(const ControlWindows& windows) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (CanTakeFocus(windows, i)) return windows[i];
  }
  return nullptr;
}

}  // namespace plimsett::ui
