// The fields are "EDIT" controls subclassed through the A functions: a
// W subclass would turn them into Unicode windows, and the platform would
// then convert their content instead of keeping its bytes.
#include "ui/text_field.h"

#include <algorithm>

#include "ui/win_handles.h"

namespace plimsett::ui {
namespace {

constexpr DWORD kFieldStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

// What the subclass keeps per field. Both rectangles are in the field's
// window coordinates, as the last WM_NCCALCSIZE left them.
struct FieldFrame {
  WNDPROC platformProc;
  RECT platformClient;  // where the platform put the client area
  RECT lineClient;      // the one line, centred inside it
};

FieldFrame* FrameOf(HWND field) {
  return reinterpret_cast<FieldFrame*>(GetWindowLongPtrA(field, GWLP_USERDATA));
}

RECT Offset(RECT rect, int dx, int dy) {
  OffsetRect(&rect, dx, dy);
  return rect;
}

// Text height of `sample` in the font the field (or screen) draws with.
int TextHeight(HWND window, HFONT font, const wchar_t* sample) {
  WindowDcScope dc(window, WindowDcScope::Area::Client);
  if (dc.dc() == nullptr) return 0;
  SelectScope select(dc.dc(), font != nullptr ? font : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32W(dc.dc(), sample, 1, &size);
  return size.cy;
}

HFONT FontOf(HWND field) { return reinterpret_cast<HFONT>(SendMessageA(field, WM_GETFONT, 0, 0)); }

LRESULT OnNcCalcSize(HWND field, FieldFrame& frame, WPARAM wParam, LPARAM lParam) {
  RECT* rect = wParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                           : reinterpret_cast<RECT*>(lParam);
  const POINT origin{rect->left, rect->top};
  const LRESULT result = CallWindowProcA(frame.platformProc, field, WM_NCCALCSIZE, wParam, lParam);
  frame.platformClient = Offset(*rect, -origin.x, -origin.y);

  const int clientHeight = rect->bottom - rect->top;
  const int lineHeight = TextHeight(field, FontOf(field), L"W");
  // A line taller than the client area would push the client area out of
  // the window; the platform's own layout is kept then.
  if (lineHeight > 0 && lineHeight < clientHeight) {
    rect->top += (clientHeight - lineHeight) / 2;
    rect->bottom = rect->top + lineHeight;
  }
  frame.lineClient = Offset(*rect, -origin.x, -origin.y);
  return result;
}

// The bands above and below the line belong to the frame now, so the
// platform does not paint them; they must look like the rest of the field.
void PaintBands(HWND field, const FieldFrame& frame, HDC dc) {
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(field), WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(field)));
  if (brush == nullptr) brush = GetSysColorBrush(COLOR_WINDOW);
  const RECT& outer = frame.platformClient;
  const RECT& line = frame.lineClient;
  const RECT above{outer.left, outer.top, outer.right, line.top};
  const RECT below{outer.left, line.bottom, outer.right, outer.bottom};
  if (above.bottom > above.top) FillRect(dc, &above, brush);
  if (below.bottom > below.top) FillRect(dc, &below, brush);
}

LRESULT OnNcHitTest(HWND field, const FieldFrame& frame, WPARAM wParam, LPARAM lParam) {
  RECT window{};
  GetWindowRect(field, &window);
  const POINT point{static_cast<short>(LOWORD(lParam)) - window.left,
                    static_cast<short>(HIWORD(lParam)) - window.top};
  // A click in a band must not place the caret.
  if (PtInRect(&frame.platformClient, point) && !PtInRect(&frame.lineClient, point)) {
    return HTBORDER;
  }
  return CallWindowProcA(frame.platformProc, field, WM_NCHITTEST, wParam, lParam);
}

LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  FieldFrame* frame = FrameOf(field);
  if (frame == nullptr) return DefWindowProcA(field, message, wParam, lParam);
  const WNDPROC platformProc = frame->platformProc;
  switch (message) {
    case WM_NCCALCSIZE:
      return OnNcCalcSize(field, *frame, wParam, lParam);
    case WM_NCHITTEST:
      return OnNcHitTest(field, *frame, wParam, lParam);
    case WM_NCPAINT: {
      const LRESULT result = CallWindowProcA(platformProc, field, message, wParam, lParam);
      WindowDcScope dc(field, WindowDcScope::Area::Whole);
      if (dc.dc() != nullptr) PaintBands(field, *frame, dc.dc());
      return result;
    }
    case WM_PRINT: {
      const LRESULT result = CallWindowProcA(platformProc, field, message, wParam, lParam);
      if ((lParam & PRF_NONCLIENT) != 0) PaintBands(field, *frame, reinterpret_cast<HDC>(wParam));
      return result;
    }
    case WM_SETFONT: {
      // The line height depends on the font: lay the frame out again.
      const LRESULT result = CallWindowProcA(platformProc, field, message, wParam, lParam);
      SetWindowPos(field, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return result;
    }
    case WM_NCDESTROY: {
      SetWindowLongPtrA(field, GWLP_USERDATA, 0);
      delete frame;
      return CallWindowProcA(platformProc, field, message, wParam, lParam);
    }
    default:
      return CallWindowProcA(platformProc, field, message, wParam, lParam);
  }
}

int MinimumFieldHeight(HWND field, HFONT font) {
  return TextHeight(field, font, L"\u4E2D") + 2 * GetSystemMetrics(SM_CYEDGE);
}

}  // namespace

HWND CreateTextField(HWND parent, const ControlRect& rect, int id, HFONT font) {
  HWND field =
      CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", kFieldStyle, rect.left, rect.top, rect.width,
                      rect.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleA(nullptr), nullptr);
  if (field == nullptr) return nullptr;

  auto* frame = new FieldFrame{};
  RECT client{};
  GetClientRect(field, &client);
  frame->platformClient = frame->lineClient = client;
  frame->platformProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
  SetWindowLongPtrA(field, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
  SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc));

  SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(field, EM_LIMITTEXT, 0, 0);
  SendMessageA(field, EM_SETSEL, 0, 0);

  const int minimumHeight = MinimumFieldHeight(field, font);
  if (rect.height < minimumHeight) {
    SetWindowPos(field, nullptr, 0, 0, rect.width, minimumHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return field;
}

Text GetFieldText(HWND field) {
  // The length may count more bytes than the text has (double-byte
  // characters), never fewer; WM_GETTEXT says how many it copied.
  const LRESULT length = SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(field, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

void SetFieldText(HWND field, const Text& text) {
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HBRUSH AnswerFieldColourQuery(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

}  // namespace plimsett::ui
