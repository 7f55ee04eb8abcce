// The program's one window: three text fields, three labels, two buttons and
// the web page pane, with its fixed layout, keyboard and focus rules.
#pragma once

#include <windows.h>

namespace plimsett::ui {

// What the window needs from the code that starts the program. The window
// knows nothing of start-up; it calls back through this.
struct MainWindowHost {
  // The window's large (32 x 32) and small (16 x 16) icons; the host owns them.
  HICON (*programIcon)(bool large) = nullptr;
  // Called when the window has been created, and as the very last step of
  // its destruction.
  void (*windowOpened)(HWND window) = nullptr;
  void (*windowGone)(HWND window) = nullptr;
};

void SetMainWindowHost(const MainWindowHost& host);

// Builds the window with all its controls, centred on the primary screen,
// and shows it active. False when the window or a control cannot be made;
// nothing is left behind then.
bool ShowMainWindow();

// The window's keyboard rules (Tab, Shift+Tab, Esc), applied by the event
// loop before a message is translated and dispatched. True when the message
// was used up.
bool PreTranslateMainWindowMessage(const MSG& message);

}  // namespace plimsett::ui
