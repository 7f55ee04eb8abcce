#include "ui/controls.h"

#include <string>

#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/text_field.h"
#include "ui/web_view.h"

namespace plimsett::ui {
namespace {

HMENU AsMenu(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// Neither button is a default button: Enter must not click anything.
HWND CreatePushButton(HWND parent, const ControlRect& rect, int id, std::wstring_view caption,
                      HFONT font) {
  const std::wstring text(caption);
  const DWORD style = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  HWND button =
      CreateWindowExW(0, L"BUTTON", text.c_str(), style, rect.left, rect.top, rect.width,
                      rect.height, parent, AsMenu(id), GetModuleHandleW(nullptr), nullptr);
  if (button != nullptr) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return button;
}

HWND CreateWebViewControl(HWND parent, const ControlRect& rect, int id) {
  WebViewSettings settings;
  settings.url = kMakerSiteAddress;
  const RECT area{rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
  return CreateWebView(parent, area, id, settings);
}

}  // namespace

HWND CreateControlWindow(const ControlRow& row, HWND window, HFONT font) {
  const int id = ControlId(row.name);
  switch (row.kind) {
    case ControlKind::TextField:
      return CreateTextField(window, row.rect, id, font);
    case ControlKind::PushButton:
      return CreatePushButton(window, row.rect, id, row.caption, font);
    case ControlKind::Label:
      return CreateLabel(window, row.rect, id, row.caption, font);
    case ControlKind::GroupBox:
      return CreateGroupBox(window, row.rect, id, row.caption, GroupBoxSettings{}, font);
    case ControlKind::WebView:
      return CreateWebViewControl(window, row.rect, id);
  }
  return nullptr;
}

}  // namespace plimsett::ui
