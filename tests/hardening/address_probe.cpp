// The program's start-up and end around a stand-in engine that records what
// the web view asks of it. The window closes as soon as the event loop runs;
// then the engine's calls are written, one a line, to "<this program's
// path>.<process id>.calls" for the test that started this probe.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/lifecycle.h"
#include "app/program.h"
#include "fake_engine.h"

namespace {

void CloseWindowOnStart(HWND host) { PostMessageW(GetAncestor(host, GA_ROOT), WM_CLOSE, 0, 0); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  plimsett::tests::FakeEngine engine({.onCreated = CloseWindowOnStart});
  plimsett::app::RunProgram();
  plimsett::app::EndProgram();

  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring out =
      std::wstring(path) + L"." + std::to_wstring(GetCurrentProcessId()) + L".calls";
  FILE* file = _wfopen(out.c_str(), L"wb");
  if (file == nullptr) return 2;
  for (const std::string& call : engine.BrowserCalls()) std::fprintf(file, "%s\n", call.c_str());
  std::fclose(file);
  return plimsett::app::QuitExitCode();
}
