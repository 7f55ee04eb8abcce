#include "app/program.h"

#include "app/fatal_error.h"
#include "app/lifecycle.h"
#include "app/program_icon.h"
#include "ui/main_window.h"

namespace plimsett::app {

int RunProgram() {
  PrepareProcess();
  InitGlobals();
  RegisterCleanUp(CleanUpGlobals);
  LoadStartWindow();
  RunEventLoop();
  return 0;
}

void InitGlobals() {}

void CleanUpGlobals() {}

void LoadStartWindow() {
  ui::MainWindowHost host;
  host.programIcon = ProgramIcon;
  host.windowOpened = NoteWindowOpened;
  host.windowGone = NoteWindowGone;
  ui::SetMainWindowHost(host);
  SetWindowKeyHandler(ui::PreTranslateMainWindowMessage);
  if (!ui::ShowMainWindow()) ReportFatalError(L"载入启动窗口失败");
}

}  // namespace plimsett::app
