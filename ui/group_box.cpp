// A "BUTTON" of style BS_GROUPBOX, subclassed so that it fills its own
// background: the platform's group box paints only its frame and caption.
#include "ui/group_box.h"

#include <string>

#include "ui/win_handles.h"

namespace plimsett::ui {
namespace {

struct GroupBoxLook {
  WNDPROC platformProc;
  COLORREF textColour;
  COLORREF backgroundColour;
  UniqueBrush background;
};

GroupBoxLook* LookOf(HWND box) {
  return reinterpret_cast<GroupBoxLook*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

DWORD AlignmentStyle(int alignment) {
  if (alignment == 0) return BS_LEFT;
  if (alignment == 1) return BS_CENTER;
  return BS_RIGHT;
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  GroupBoxLook* look = LookOf(box);
  if (look == nullptr) return DefWindowProcW(box, message, wParam, lParam);
  const WNDPROC platformProc = look->platformProc;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(box, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, look->background.get());
      return 1;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      delete look;
      return CallWindowProcW(platformProc, box, message, wParam, lParam);
    default:
      return CallWindowProcW(platformProc, box, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateGroupBox(HWND parent, const ControlRect& rect, int id, std::wstring_view caption,
                    const GroupBoxSettings& settings, HFONT font) {
  const COLORREF background = GetSysColor(settings.backgroundSystemColour);
  UniqueBrush brush(CreateSolidBrush(background));
  if (!brush) return nullptr;
  const std::wstring text(caption);
  // Not WS_CLIPCHILDREN: the web view inside draws over the box anyway.
  const DWORD style =
      WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | AlignmentStyle(settings.captionAlignment);
  HWND box = CreateWindowExW(0, L"BUTTON", text.c_str(), style, rect.left, rect.top, rect.width,
                             rect.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
  if (box == nullptr) return nullptr;

  auto* look = new GroupBoxLook{reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC)),
                                settings.textColour, background, std::move(brush)};
  SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(look));
  SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GroupBoxProc));
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return box;
}

HBRUSH AnswerGroupBoxColourQuery(HWND box, HDC dc) {
  const GroupBoxLook* look = LookOf(box);
  if (look == nullptr) return nullptr;
  SetTextColor(dc, look->textColour);
  SetBkColor(dc, look->backgroundColour);
  return look->background.get();
}

}  // namespace plimsett::ui
