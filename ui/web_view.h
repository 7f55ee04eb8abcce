// The web view: a child window that hosts the system's WebBrowser control
// and shows the maker's page.
#pragma once

#include <windows.h>

#include <string>

namespace plimsett::ui {

// The maker's site, as a bare host name. The .example name never resolves,
// so the elevated program opens no site nobody controls; a maker puts its
// own address here.
inline constexpr char kMakerSiteAddress[] = "www.orvandy.example";

struct WebViewSettings {
  int fontSize = 2;  // 0 smallest .. 4 largest
  bool offline = false;
  bool silent = false;
  std::string url;  // ANSI; passed to the engine unchanged
};

// Creates the web view's host window, hidden, as a child of `parent` at
// `rect` (parent client coordinates) with the given control id, and starts
// loading `settings.url`. Returns nullptr, leaving nothing behind, when the
// engine cannot be created. The window frees itself when destroyed.
HWND CreateWebView(HWND parent, const RECT& rect, int controlId, const WebViewSettings& settings);

}  // namespace plimsett::ui
