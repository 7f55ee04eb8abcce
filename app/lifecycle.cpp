#include "app/lifecycle.h"

#include <ole2.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/program_folder.h"
#include "app/program_icon.h"

namespace plimsett::app {
namespace {

struct LifecycleState {
  void (*cleanUp)() = nullptr;
  bool (*windowKeys)(const MSG&) = nullptr;
  bool loopStarted = false;
  bool oleInitialized = false;
  WPARAM quitCode = 0;
  // At most the main window in this program.
  std::vector<HWND> openWindows;

  // Whatever way the process leaves through the C runtime, nothing stays
  // held; after a normal end this finds nothing left to release.
  ~LifecycleState() { EndProgram(); }
};

LifecycleState state;

bool IsInProgramWindow(HWND window) {
  if (window == nullptr) return false;
  return std::any_of(state.openWindows.begin(), state.openWindows.end(),
                     [window](HWND open) { return open == window || IsChild(open, window); });
}

}  // namespace

void QuietenSystemErrorBoxes() {
  const UINT inherited = SetErrorMode(0);
  SetErrorMode(inherited | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void PrepareProcess() {
  // Start-up goes on without OLE; only the web page pane needs it, and it
  // fails on its own then. Only a successful call is balanced at the end:
  // an apartment that someone else made in a different mode is not ours to
  // shut down.
  state.oleInitialized = SUCCEEDED(OleInitialize(nullptr));
  MakeProgramFolderCurrent();
  // The main window's fixed settings are compiled into the program, so
  // there is no template data to read here and nothing that can fail.
}

void RegisterCleanUp(void (*routine)()) { state.cleanUp = routine; }

void SetWindowKeyHandler(bool (*handler)(const MSG& message)) { state.windowKeys = handler; }

void NoteWindowOpened(HWND window) { state.openWindows.push_back(window); }

void NoteWindowGone(HWND window) {
  auto& open = state.openWindows;
  open.erase(std::remove(open.begin(), open.end(), window), open.end());
  // A window destroyed before the loop runs posts nothing: start-up then
  // reports the failure itself.
  if (open.empty() && state.loopStarted) PostQuitMessage(0);
}

void RunEventLoop() {
  state.loopStarted = true;
  if (state.openWindows.empty()) return;
  // Nothing of the program's own runs at idle time, so the loop simply
  // blocks in GetMessageA while the queue is empty.
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) {
      state.quitCode = message.wParam;
      return;
    }
    // Only a bad window filter makes GetMessageA fail, and there is none.
    if (got == -1) return;
    if (state.windowKeys != nullptr && IsInProgramWindow(message.hwnd) &&
        state.windowKeys(message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int QuitExitCode() { return static_cast<int>(state.quitCode); }

void EndProgram() {
  // Dropped before the call, so that an end sequence started from inside
  // the routine (a fatal error there) cannot run it a second time.
  if (auto* routine = std::exchange(state.cleanUp, nullptr)) routine();
  DestroyProgramIcons();
  if (std::exchange(state.oleInitialized, false)) OleUninitialize();
}

}  // namespace plimsett::app
