// The web view's host window: it owns the engine control inside it and its
// IWebBrowser2, sets the engine's modes and starts the one navigation of the
// program, hands the focus on and keeps the engine window filling it.
#include "ui/web_view.h"

#include <exdisp.h>
#include <oleauto.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "ui/com_ptr.h"
#include "ui/web_engine.h"

namespace plimsett::ui {
namespace {

constexpr wchar_t kHostClass[] = L"PlimsettWebViewHost";
constexpr int kSmallestFontSize = 0;
constexpr int kLargestFontSize = 4;

EngineFactory engineFactory = nullptr;

struct BstrFree {
  void operator()(BSTR text) const { SysFreeString(text); }
};
using UniqueBstr = std::unique_ptr<OLECHAR, BstrFree>;

// The ANSI text as a wide string, character for character; null when it
// cannot be converted.
UniqueBstr AnsiToBstr(const std::string& text) {
  if (text.size() > INT_MAX) return nullptr;
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return nullptr;
  UniqueBstr wide(SysAllocStringLen(nullptr, static_cast<UINT>(length)));
  if (!wide) return nullptr;
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.get(), length);
  return wide;
}

VARIANT_BOOL ToVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

VARIANT Int32Variant(int value) {
  VARIANT variant;
  VariantInit(&variant);
  V_VT(&variant) = VT_I4;
  V_I4(&variant) = value;
  return variant;
}

VARIANT NullStringVariant() {
  VARIANT variant;
  VariantInit(&variant);
  V_VT(&variant) = VT_BSTR;
  V_BSTR(&variant) = nullptr;
  return variant;
}

class WebView {
 public:
  explicit WebView(const WebViewSettings& settings) : settings_(settings) {}

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // From now on the host window deletes the view at the end of its
  // destruction.
  void PassToWindow() { ownedByWindow_ = true; }

  // Makes the engine and gets its IWebBrowser2; false when either fails.
  bool AttachEngine();
  // Sets the modes and the text size, then starts the navigation. The
  // engine's answers change nothing here: a refused call leaves it as it was.
  void StartEngine();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND EngineWindow() const;
  void OnSetFocus();
  void OnSize();
  void OnDestroy();

  WebViewSettings settings_;
  HWND host_ = nullptr;
  bool ownedByWindow_ = false;
  std::unique_ptr<EngineControl> engine_;
  ComPtr<IWebBrowser2> browser_;
};

LRESULT CALLBACK WebView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // Null for a window of this class made other than by CreateWebView; it
    // then stays an empty white window.
    auto* view = static_cast<WebView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (view != nullptr) {
      view->host_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(view));
    }
  }
  auto* view = reinterpret_cast<WebView*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (view == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    if (view->ownedByWindow_) delete view;
    return result;
  }
  return view->HandleMessage(message, wParam, lParam);
}

LRESULT WebView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      return DefWindowProcW(host_, message, wParam, lParam);
  }
}

bool WebView::AttachEngine() {
  RECT client;
  GetClientRect(host_, &client);
  const EngineFactory factory = engineFactory != nullptr ? engineFactory : CreateWebBrowserControl;
  engine_ = factory(host_, client, kEngineControlId);
  if (!engine_ || engine_->Object() == nullptr) return false;
  if (FAILED(engine_->Object()->QueryInterface(IID_IWebBrowser2, browser_.Receive()))) {
    browser_.Reset();
  }
  return static_cast<bool>(browser_);
}

void WebView::StartEngine() {
  browser_->put_Offline(ToVariantBool(settings_.offline));
  browser_->put_Silent(ToVariantBool(settings_.silent));

  VARIANT zoom = Int32Variant(std::clamp(settings_.fontSize, kSmallestFontSize, kLargestFontSize));
  browser_->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &zoom, nullptr);

  if (settings_.url.empty()) return;
  // The address goes out as it is held: a bare host name gets no scheme, and
  // nothing is trimmed or checked.
  UniqueBstr url = AnsiToBstr(settings_.url);
  if (!url) return;
  VARIANT flags = Int32Variant(0);
  VARIANT targetFrame = NullStringVariant();
  VARIANT postData;
  VariantInit(&postData);
  VARIANT headers = NullStringVariant();
  browser_->Navigate(url.get(), &flags, &targetFrame, &postData, &headers);
}

HWND WebView::EngineWindow() const {
  if (!engine_) return nullptr;
  HWND window = engine_->Window();
  return window != nullptr && IsWindow(window) ? window : nullptr;
}

void WebView::OnSetFocus() {
  if (HWND window = EngineWindow()) SetFocus(window);
}

void WebView::OnSize() {
  HWND window = EngineWindow();
  if (window == nullptr) return;
  RECT client;
  GetClientRect(host_, &client);
  SetWindowPos(window, nullptr, client.left, client.top, client.right - client.left,
               client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The engine is let go while the host window and OLE still exist: first the
// interface, then the control with its window.
void WebView::OnDestroy() {
  browser_.Reset();
  engine_.reset();
}

bool RegisterHostClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, kHostClass, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = WebView::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kHostClass;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

void SetEngineFactory(EngineFactory factory) { engineFactory = factory; }

HWND CreateWebView(HWND parent, const RECT& rect, int controlId, const WebViewSettings& settings) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterHostClass(instance)) return nullptr;
  auto view = std::make_unique<WebView>(settings);
  HWND host = CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                              instance, view.get());
  if (host == nullptr) return nullptr;
  WebView* attached = view.release();
  attached->PassToWindow();
  if (!attached->AttachEngine()) {
    DestroyWindow(host);
    return nullptr;
  }
  attached->StartEngine();
  return host;
}

}  // namespace plimsett::ui
