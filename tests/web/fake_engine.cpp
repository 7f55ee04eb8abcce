#include "fake_engine.h"

#include <objbase.h>

#include <cassert>
#include <memory>

#include "browser_stub.h"
#include "pixel_pattern.h"
#include "ui/web_engine.h"

namespace plimsett::tests {
namespace {

// The record of the engine that stands in now.
std::shared_ptr<FakeEngineRecord> current;

std::string Utf8(const wchar_t* text, UINT length) {
  if (length == 0) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), result.data(), size, nullptr,
                      nullptr);
  return result;
}

std::string Describe(BSTR text) {
  return text == nullptr ? "null" : Utf8(text, SysStringLen(text));
}

std::string Describe(const VARIANT* value) {
  if (value == nullptr) return "null";
  switch (V_VT(value)) {
    case VT_EMPTY:
      return "EMPTY";
    case VT_I4:
      return "I4:" + std::to_string(V_I4(value));
    case VT_BSTR:
      return V_BSTR(value) == nullptr ? "BSTR:null" : "BSTR:\"" + Describe(V_BSTR(value)) + "\"";
    default:
      return "VT:" + std::to_string(V_VT(value));
  }
}

bool OleInitialised() {
  APTTYPE type;
  APTTYPEQUALIFIER qualifier;
  return SUCCEEDED(CoGetApartmentType(&type, &qualifier));
}

class FakeBrowser final : public WebBrowser2Stub {
 public:
  explicit FakeBrowser(std::shared_ptr<FakeEngineRecord> record) : record_(std::move(record)) {
    record_->objectAlive = true;
  }

  HRESULT STDMETHODCALLTYPE put_Offline(VARIANT_BOOL value) override {
    return Answer("put_Offline(" + std::to_string(value) + ")");
  }
  HRESULT STDMETHODCALLTYPE put_Silent(VARIANT_BOOL value) override {
    return Answer("put_Silent(" + std::to_string(value) + ")");
  }
  HRESULT STDMETHODCALLTYPE ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in,
                                   VARIANT* out) override {
    return Answer("ExecWB(" + std::to_string(command) + "," + std::to_string(option) + "," +
                  Describe(in) + "," + Describe(out) + ")");
  }
  HRESULT STDMETHODCALLTYPE Navigate(BSTR url, VARIANT* flags, VARIANT* targetFrame,
                                     VARIANT* postData, VARIANT* headers) override {
    return Answer("Navigate(" + Describe(url) + "," + Describe(flags) + "," +
                  Describe(targetFrame) + "," + Describe(postData) + "," + Describe(headers) + ")");
  }

 private:
  bool AnswersBrowserInterfaces(REFIID iid) const override {
    return record_->options.offersBrowser && WebBrowser2Stub::AnswersBrowserInterfaces(iid);
  }
  void OnLastRelease() override {
    record_->log.push_back(OleInitialised() ? "object gone, OLE initialised"
                                            : "object gone, OLE not initialised");
    record_->objectAlive = false;
  }
  HRESULT Answer(std::string call) {
    record_->log.push_back(std::move(call));
    return record_->options.answer;
  }

  std::shared_ptr<FakeEngineRecord> record_;
};

constexpr wchar_t kControlClass[] = L"PlimsettFakeEngineControl";

// The control's window shows the coordinate pattern, so that a read-back of
// the screen tells which of its pixels are visible where.
LRESULT CALLBACK ControlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    DrawPattern(dc, client.right, client.bottom);
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterControlClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kControlClass, &windowClass)) return;
  windowClass.lpfnWndProc = ControlProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kControlClass;
  RegisterClassExW(&windowClass);
}

class FakeControl final : public ui::EngineControl {
 public:
  FakeControl(std::shared_ptr<FakeEngineRecord> record, HWND window)
      : record_(std::move(record)), window_(window), browser_(new FakeBrowser(record_)) {}
  ~FakeControl() override {
    // The web view is to have let go of its IWebBrowser2 before this.
    record_->log.push_back("destroy control, other references " +
                           std::to_string(browser_->References() - 1));
    if (IsWindow(window_)) DestroyWindow(window_);
    browser_->Release();
  }

  HWND Window() const override { return window_; }
  IUnknown* Object() const override { return browser_; }

 private:
  std::shared_ptr<FakeEngineRecord> record_;
  HWND window_;
  FakeBrowser* browser_;
};

std::unique_ptr<ui::EngineControl> MakeFakeControl(HWND host, const RECT& client, int childId) {
  FakeEngineRecord& record = *current;
  record.log.push_back("create id=" + std::to_string(childId) +
                       " client=" + std::to_string(client.left) + "," + std::to_string(client.top) +
                       "," + std::to_string(client.right) + "," + std::to_string(client.bottom));
  if (!record.options.makesControl) return nullptr;
  RegisterControlClass();
  HWND window = CreateWindowExW(0, kControlClass, L"", WS_CHILD | WS_VISIBLE, client.left,
                                client.top, client.right - client.left, client.bottom - client.top,
                                host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                                GetModuleHandleW(nullptr), nullptr);
  record.host = host;
  record.controlWindow = window;
  auto control = std::make_unique<FakeControl>(current, window);
  if (record.options.onCreated != nullptr) record.options.onCreated(host);
  return control;
}

}  // namespace

FakeEngine::FakeEngine(FakeEngineOptions options) : record_(std::make_shared<FakeEngineRecord>()) {
  record_->options = options;
  assert(current == nullptr);
  current = record_;
  ui::SetEngineFactory(MakeFakeControl);
}

FakeEngine::~FakeEngine() {
  ui::SetEngineFactory(nullptr);
  current.reset();
}

std::vector<std::string> FakeEngine::BrowserCalls() const {
  std::vector<std::string> calls;
  for (const std::string& entry : record_->log) {
    if (entry.rfind("put_", 0) == 0 || entry.rfind("ExecWB(", 0) == 0 ||
        entry.rfind("Navigate(", 0) == 0) {
      calls.push_back(entry);
    }
  }
  return calls;
}

}  // namespace plimsett::tests
