// The controls of the main window as data: one row each, in the order in
// which they are created. Creation, stacking and the focus order all follow
// from this table, so a control is never looked up by its caption.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace plimsett::ui {

// The controls, named as on the form, in creation order.
enum class Control : std::uint8_t {
  按钮文本到字节集,
  编辑框1,
  编辑框2,
  标签1,
  标签2,
  按钮把上面的字节集转换到文本,
  编辑框3,
  标签3,
  分组框1,
  超文本浏览框1,
};

enum class ControlKind : std::uint8_t { TextField, PushButton, Label, GroupBox, WebView };

// Left and top in the container's client area; pixels, never scaled.
struct ControlRect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlRow {
  Control name;
  ControlKind kind;
  // The control whose window holds this one; none for the main window.
  std::optional<Control> container;
  ControlRect rect;
  std::wstring_view caption;
  bool takesFocus;
};

// Captions as UTF-16, so they show right whatever the system's code page.
inline constexpr wchar_t kEncodeCaption[] =  // 文本转换到文本型字节集
    L"\u6587\u672C\u8F6C\u6362\u5230\u6587\u672C\u578B\u5B57\u8282\u96C6";
inline constexpr wchar_t kDecodeCaption[] =  // 把上面的文本型字节集转换到文本
    L"\u628A\u4E0A\u9762\u7684\u6587\u672C\u578B\u5B57\u8282\u96C6\u8F6C\u6362\u5230"
    L"\u6587\u672C";
inline constexpr wchar_t kTextCaption[] = L"\u6587\u672C";           // 文本
inline constexpr wchar_t kByteSetCaption[] = L"\u5B57\u8282\u96C6";  // 字节集

// Every control carries the same focus rank, so the focus order is the
// creation order of the controls that take the focus. The web view's text is
// the maker's site address, which the web view holds itself.
// clang-format off
inline constexpr std::array kControls = {
  //          name                                   kind                     container         {left, top, wid, hgt}  caption          focus
  ControlRow{Control::按钮文本到字节集,             ControlKind::PushButton, std::nullopt,     { 296,  39, 178,  32}, kEncodeCaption,  true},
  ControlRow{Control::编辑框1,                      ControlKind::TextField,  std::nullopt,     { 266,   3, 208,  32}, L"",             true},
  ControlRow{Control::编辑框2,                      ControlKind::TextField,  std::nullopt,     {  62,  79, 411,  32}, L"",             true},
  ControlRow{Control::标签1,                        ControlKind::Label,      std::nullopt,     { 221,   1,  40,  40}, kTextCaption,    false},
  ControlRow{Control::标签2,                        ControlKind::Label,      std::nullopt,     {   9,  75,  40,  40}, kByteSetCaption, false},
  ControlRow{Control::按钮把上面的字节集转换到文本, ControlKind::PushButton, std::nullopt,     { 278, 114, 195,  32}, kDecodeCaption,  true},
  ControlRow{Control::编辑框3,                      ControlKind::TextField,  std::nullopt,     {  62, 116, 208,  32}, L"",             true},
  ControlRow{Control::标签3,                        ControlKind::Label,      std::nullopt,     {   9, 111,  40,  40}, kTextCaption,    false},
  ControlRow{Control::分组框1,                      ControlKind::GroupBox,   std::nullopt,     {   0,   0, 192,  72}, L"",             false},
  ControlRow{Control::超文本浏览框1,                ControlKind::WebView,    Control::分组框1, {  -6, -30, 248, 176}, L"",             true},
};
// clang-format on

inline constexpr std::size_t kControlCount = kControls.size();

constexpr std::size_t IndexOf(Control control) { return static_cast<std::size_t>(control); }

constexpr const ControlRow& RowOf(Control control) { return kControls[IndexOf(control)]; }

// Child window identifiers; any values would do as long as they are unique.
inline constexpr int kFirstControlId = 1001;

constexpr int ControlId(Control control) {
  return kFirstControlId + static_cast<int>(IndexOf(control));
}

namespace control_table_checks {

constexpr bool RowsFollowTheEnum() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (IndexOf(kControls[i].name) != i) return false;
  }
  return true;
}

// A container must be a group box created before what it holds, so that
// its window exists when the contained control is moved into it.
constexpr bool ContainersAreEarlierGroupBoxes() {
  for (const ControlRow& row : kControls) {
    if (!row.container) continue;
    if (RowOf(*row.container).kind != ControlKind::GroupBox) return false;
    if (IndexOf(*row.container) >= IndexOf(row.name)) return false;
  }
  return true;
}

// Alt with a letter or digit looks for a caption holding "&" and that
// character. The keyboard code relies on there being none.
constexpr bool NoCaptionHasAMnemonic() {
  for (const ControlRow& row : kControls) {
    if (row.caption.find(L'&') != std::wstring_view::npos) return false;
  }
  return true;
}

static_assert(RowsFollowTheEnum());
static_assert(ContainersAreEarlierGroupBoxes());
static_assert(NoCaptionHasAMnemonic(), "give the Alt+letter rule a mnemonic lookup");

}  // namespace control_table_checks

}  // namespace plimsett::ui
