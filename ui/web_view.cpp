// The web view's host window. The browser engine is not hosted yet: until it
// is, the pane is an empty white child window that takes part in the focus
// order like the finished one will.
#include "ui/web_view.h"

namespace plimsett::ui {
namespace {

constexpr wchar_t kHostClass[] = L"PlimsettWebViewHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterHostClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, kHostClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kHostClass;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

HWND CreateWebView(HWND parent, const RECT& rect, int controlId, const WebViewSettings&) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterHostClass(instance)) return nullptr;
  return CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, rect.left,
                         rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance,
                         nullptr);
}

}  // namespace plimsett::ui
