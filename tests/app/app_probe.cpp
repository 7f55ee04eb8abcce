// A stand-in for the program that runs the start-up and end code of
// plimsett_app around a window of its own, so that a driver can watch,
// from outside, what only shows at the end of a process: the exit code,
// whether the clean-up routine ran, what was left for the system.
//
//   app_probe MODE RECORD [ARGUMENT...]
//
// What the probe sees is appended to the file RECORD, one line each, in
// UTF-16. The modes:
//   out-of-memory SIZE  the out-of-memory report for SIZE bytes
//   allocate FORM SIZE  one form of the global operator new, for SIZE bytes
//   fatal-in-loop       a fatal error raised inside the event loop
//   run                 start-up, the event loop until the window is closed,
//                       the end
//   gone-before-loop    the window destroyed before the event loop starts
//   keys                keys posted to the program's windows and another
//   where               the current directory that start-up leaves
//   no-text-fields      the whole program's start-up, with no EDIT control
//                       allowed to be created
#include <windows.h>

#include <objbase.h>

#include <cstdlib>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "app/fatal_error.h"
#include "app/lifecycle.h"
#include "app/program.h"
#include "core/types.h"

namespace {

using namespace plimsett::app;

const wchar_t* recordPath = nullptr;
HWND probeWindow = nullptr;
HWND probeChild = nullptr;
HWND strangerWindow = nullptr;  // a window the program does not count as its own

constexpr UINT kFailNow = WM_APP;

void Record(std::wstring_view line) {
  HANDLE file = CreateFileW(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) std::abort();
  std::wstring text(line);
  text += L'\n';
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written,
            nullptr);
  CloseHandle(file);
}

const wchar_t* Apartment() {
  APTTYPE type;
  APTTYPEQUALIFIER qualifier;
  if (FAILED(CoGetApartmentType(&type, &qualifier))) return L"none";
  switch (type) {
    case APTTYPE_STA:
    case APTTYPE_MAINSTA:
      return L"sta";
    case APTTYPE_MTA:
      return L"mta";
    default:
      return L"other";
  }
}

const wchar_t* NameOf(HWND window) {
  if (window == probeWindow) return L"main";
  if (window == probeChild) return L"child";
  if (window == strangerWindow) return L"stranger";
  return L"unknown";
}

void RecordCleanUp() {
  Record(std::wstring(L"cleanup window=") + (IsWindow(probeWindow) ? L"alive" : L"gone") +
         L" ole=" + Apartment());
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      Record(std::wstring(L"dispatched ") + NameOf(window));
      return 0;
    case kFailNow:
      ReportFatalError(L"探针出错");
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      if (window == probeWindow) NoteWindowGone(window);
      return result;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND MakeWindow(const wchar_t* caption, DWORD style, HWND parent) {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    wc.lpszClassName = L"PlimsettProbe";
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) std::abort();
  HWND window = CreateWindowExW(0, L"PlimsettProbe", caption, style, 10, 10, 300, 120, parent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) std::abort();
  return window;
}

// The program's window as far as the lifecycle can tell: created, counted as
// open, shown.
void OpenProbeWindow() {
  probeWindow = MakeWindow(L"Plimsett probe", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, nullptr);
  NoteWindowOpened(probeWindow);
  probeChild = MakeWindow(L"", WS_CHILD | WS_VISIBLE, probeWindow);
  ShowWindow(probeWindow, SW_SHOWNORMAL);
}

// Start-up as the program goes through it, with the probe's window in place
// of the main window.
void StartAsTheProgramDoes() {
  PrepareProcess();
  RegisterCleanUp(RecordCleanUp);
  OpenProbeWindow();
}

int EndAsTheProgramDoes() {
  EndProgram();
  Record(std::wstring(L"ended ole=") + Apartment());
  return QuitExitCode();
}

std::size_t SizeArgument(const wchar_t* text) {
  return static_cast<std::size_t>(std::wcstoull(text, nullptr, 10));
}

// Calls one form of the global allocation functions for `size` bytes. It
// should never come back.
void Allocate(std::wstring_view form, std::size_t size) {
  constexpr auto kAlignment = std::align_val_t{64};
  void* block = nullptr;
  if (form == L"new") block = ::operator new(size);
  if (form == L"new[]") block = ::operator new[](size);
  if (form == L"new-nothrow") block = ::operator new(size, std::nothrow);
  if (form == L"new[]-nothrow") block = ::operator new[](size, std::nothrow);
  if (form == L"new-aligned") block = ::operator new(size, kAlignment);
  if (form == L"new[]-aligned") block = ::operator new[](size, kAlignment);
  if (form == L"new-aligned-nothrow") block = ::operator new(size, kAlignment, std::nothrow);
  if (form == L"new[]-aligned-nothrow") block = ::operator new[](size, kAlignment, std::nothrow);
  if (form == L"byte-set") {
    plimsett::ByteSet bytes;
    bytes.reserve(size);
    block = bytes.data();
  }
  Record(std::wstring(L"returned ") + (block ? L"a block" : L"null"));
}

// Which of the system's icons a message box of this thread shows, seen in
// the process itself, where the system's shared icons have one handle.
BOOL CALLBACK RecordBoxIcon(HWND child, LPARAM) {
  if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
  const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  const struct {
    const wchar_t* name;
    WORD id;
  } kIcons[] = {
      {L"error", 32513}, {L"question", 32514}, {L"warning", 32515}, {L"information", 32516}};
  const wchar_t* name = L"another";
  for (const auto& icon : kIcons) {
    if (shown == LoadIconW(nullptr, MAKEINTRESOURCEW(icon.id))) name = icon.name;
  }
  Record(std::wstring(L"box icon=") + name);
  return FALSE;
}

// Looks at each dialog box of this thread once its initialisation, which
// gives a message box its icon, is done; the box need not become active.
LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == WM_INITDIALOG) {
    wchar_t className[16] = {};
    GetClassNameW(call->hwnd, className, 16);
    if (std::wstring_view(className) == L"#32770") EnumChildWindows(call->hwnd, RecordBoxIcon, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Refuses to let any text field be made, so that the main window cannot be
// built.
LRESULT CALLBACK RefuseTextFields(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t className[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), className, 16);
    if (CompareStringOrdinal(className, -1, L"Edit", -1, TRUE) == CSTR_EQUAL) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool RecordKeysOffered(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  Record(std::wstring(L"offered ") + NameOf(message.hwnd));
  return message.hwnd == probeChild;
}

int Run(std::wstring_view mode, int argc, wchar_t** argv) {
  if (mode == L"out-of-memory" && argc == 1) {
    RegisterCleanUp(RecordCleanUp);
    ReportOutOfMemory(SizeArgument(argv[0]));
  }
  if (mode == L"allocate" && argc == 2) {
    RegisterCleanUp(RecordCleanUp);
    Allocate(argv[0], SizeArgument(argv[1]));
    return 0;
  }
  if (mode == L"fatal-in-loop") {
    StartAsTheProgramDoes();
    PostMessageW(probeWindow, kFailNow, 0, 0);
    RunEventLoop();
    return EndAsTheProgramDoes();
  }
  if (mode == L"run") {
    StartAsTheProgramDoes();
    RunEventLoop();
    return EndAsTheProgramDoes();
  }
  if (mode == L"gone-before-loop") {
    StartAsTheProgramDoes();
    DestroyWindow(probeWindow);
    RunEventLoop();
    MSG quit;
    const bool pending = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    Record(pending ? L"quit pending" : L"no quit pending");
    return EndAsTheProgramDoes();
  }
  if (mode == L"keys") {
    SetWindowKeyHandler(RecordKeysOffered);
    StartAsTheProgramDoes();
    strangerWindow = MakeWindow(L"", WS_OVERLAPPED, nullptr);
    for (HWND target : {probeChild, probeWindow, strangerWindow}) {
      PostMessageW(target, WM_KEYDOWN, VK_F5, 0);
    }
    PostMessageW(probeWindow, WM_CLOSE, 0, 0);
    RunEventLoop();
    DestroyWindow(strangerWindow);
    return EndAsTheProgramDoes();
  }
  if (mode == L"where") {
    PrepareProcess();
    std::vector<wchar_t> folder(GetCurrentDirectoryW(0, nullptr));
    GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
    Record(std::wstring(L"cwd=") + folder.data());
    return EndAsTheProgramDoes();
  }
  if (mode == L"no-text-fields") {
    SetWindowsHookExW(WH_CBT, RefuseTextFields, nullptr, GetCurrentThreadId());
    RunProgram();
    return EndAsTheProgramDoes();
  }
  Record(L"unknown mode");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  recordPath = argv[2];
  SetWindowsHookExW(WH_CALLWNDPROCRET, WatchBoxes, nullptr, GetCurrentThreadId());
  return Run(argv[1], argc - 3, argv + 3);
}
