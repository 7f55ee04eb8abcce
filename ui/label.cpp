#include "ui/label.h"

#include <string>

#include "ui/win_handles.h"
#include "ui/window_class.h"

namespace plimsett::ui {
namespace {

constexpr wchar_t kLabelClass[] = L"PlimsettLabel";

// The font lives in the window's user data: a label needs nothing else.
HFONT FontOf(HWND label) {
  auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, GWLP_USERDATA));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring CaptionOf(HWND label) {
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(
      GetWindowTextW(label, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

// Serves WM_PAINT and WM_PRINTCLIENT.
void Paint(HWND label, HDC dc) {
  RECT client{};
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const std::wstring caption = CaptionOf(label);
  SelectScope font(dc, FontOf(label));
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &client,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER);
  SetTextColor(dc, previousColour);
  SetBkMode(dc, previousMode);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PaintScope paint(label);
      Paint(label, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(label, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole label, so erasing would only flicker
    case WM_SETFONT:
      SetWindowLongPtrW(label, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(label, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(FontOf(label));
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
    default:
      return DefWindowProcW(label, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateLabel(HWND parent, const ControlRect& rect, int id, std::wstring_view caption,
                 HFONT font) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  static const ATOM labelClass = RegisterProgramClass(instance, kLabelClass, LabelProc);
  if (labelClass == 0) return nullptr;
  const std::wstring text(caption);
  // Labels 2 and 3 overlap; clipping keeps the lower one from painting over
  // the upper one.
  HWND label = CreateWindowExW(
      0, kLabelClass, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, rect.left, rect.top, rect.width,
      rect.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (label != nullptr) SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

}  // namespace plimsett::ui
