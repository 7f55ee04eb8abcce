// Drives the main window inside the test process the way the program's own
// event loop does: messages go through PreTranslateMainWindowMessage before
// they are translated and dispatched, and keys come as real input events.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_table.h"

namespace plimsett::ui {

// Names a control in test messages by its child window identifier.
inline void PrintTo(Control control, std::ostream* out) {
  *out << "control " << ControlId(control);
}

}  // namespace plimsett::ui

namespace plimsett::ui::testing {

// Runs the event loop until `done` holds, or fails the test after a few
// seconds of waiting (a guard against hanging, not a measurement).
void PumpUntil(const std::function<bool()>& done);

// Handles what is queued now.
void PumpPending();

// Presses the keys of `chord` in order and releases them in reverse, as a
// person would (modifiers first), and runs the loop until the last release
// has been handled, or until `done` holds when it is given (for keys after
// which no window of the test is left to receive the release).
void PressChord(const std::vector<WORD>& chord, const std::function<bool()>& done = nullptr);

// Types `text` as Unicode key events and runs the loop until it arrived.
void TypeText(std::wstring_view text);

// A field's or window's content as ANSI bytes, read and written straight
// through the window messages rather than through the program's helpers.
std::string ReadAnsiText(HWND window);
void WriteAnsiText(HWND window, const std::string& text);
std::wstring ReadWideText(HWND window);

// Shows the main window for each test and closes it afterwards.
class MainWindowTest : public ::testing::Test {
 public:
  HWND window() const { return window_; }
  HWND control(Control name) const;

  // The control whose window has the focus or is the focused window's
  // parent (the rule the window itself applies), if any.
  std::optional<Control> FocusedControl() const;

  // How many times the host heard of the window's end.
  static int windowGoneCount();

 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  HWND window_ = nullptr;
};

// A plain top-level window of the test's own to switch to and back.
class OtherTopLevelWindow {
 public:
  OtherTopLevelWindow();
  OtherTopLevelWindow(const OtherTopLevelWindow&) = delete;
  OtherTopLevelWindow& operator=(const OtherTopLevelWindow&) = delete;
  ~OtherTopLevelWindow();

  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// Brings `window` to the foreground and waits until it is active.
void Activate(HWND window);

}  // namespace plimsett::ui::testing
