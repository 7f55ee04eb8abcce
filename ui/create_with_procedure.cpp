// A thread-local CBT hook sees the new window before its first message; the
// procedure to put in waits in a thread-local slot until then.
#include "ui/create_with_procedure.h"

#include <utility>

#include "ui/win_handles.h"

namespace plimsett::ui {
namespace {

thread_local WNDPROC t_pendingProcedure = nullptr;

LRESULT CALLBACK OnCbtEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_pendingProcedure != nullptr) {
    SetWindowLongPtrW(reinterpret_cast<HWND>(wParam), GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(std::exchange(t_pendingProcedure, nullptr)));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

HWND CreateWindowWithProcedure(WNDPROC procedure, DWORD exStyle, const wchar_t* className,
                               const wchar_t* caption, DWORD style, const RECT& frame, HWND parent,
                               HINSTANCE instance) {
  UniqueHook hook(SetWindowsHookExW(WH_CBT, OnCbtEvent, nullptr, GetCurrentThreadId()));
  if (!hook) return nullptr;
  t_pendingProcedure = procedure;
  HWND window = CreateWindowExW(exStyle, className, caption, style, frame.left, frame.top,
                                frame.right - frame.left, frame.bottom - frame.top, parent, nullptr,
                                instance, nullptr);
  t_pendingProcedure = nullptr;
  return window;
}

}  // namespace plimsett::ui
