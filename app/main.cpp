// Process entry: shows the main window and runs the event loop.
#include <windows.h>

#include "ui/main_window.h"

namespace {

void OnWindowGone(HWND) { PostQuitMessage(0); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  plimsett::ui::MainWindowHost host;
  host.windowGone = OnWindowGone;
  plimsett::ui::SetMainWindowHost(host);
  if (!plimsett::ui::ShowMainWindow()) return -1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (plimsett::ui::PreTranslateMainWindowMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
