#include "app/fatal_error.h"

#include <windows.h>

#include "app/fatal_error_text.h"
#include "app/lifecycle.h"

namespace plimsett::app {

void ReportFatalError(std::wstring_view message) {
  const ReportText text = FatalErrorText(message);
  // No owner: the program's windows stay up and usable behind the box.
  MessageBoxW(nullptr, text.chars, L"错误", MB_OK | MB_ICONERROR);
  // A fatal end skips the clean-up routine; the rest of the end sequence runs.
  RegisterCleanUp(nullptr);
  EndProgram();
  ExitProcess(static_cast<UINT>(-1));
}

void ReportOutOfMemory(std::size_t size) { ReportFatalError(OutOfMemoryMessage(size).view()); }

}  // namespace plimsett::app
