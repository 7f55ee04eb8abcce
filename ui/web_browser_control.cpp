// The system's WebBrowser control as the web view's engine: created, sited
// and activated in place inside the host window, and closed again through
// OLE so that it lets go of its site before its window goes.
#include <exdisp.h>
#include <ole2.h>

#include "ui/com_ptr.h"
#include "ui/ole_site.h"
#include "ui/web_engine.h"

namespace plimsett::ui {
namespace {

class WebBrowserControl final : public EngineControl {
 public:
  WebBrowserControl(HWND host, ComPtr<IOleObject> object)
      : host_(host), object_(std::move(object)) {}
  ~WebBrowserControl() override;

  // Sites the control in the host and activates it in place as a child
  // window filling `client`.
  bool Activate(const RECT& client, int childId);

  HWND Window() const override { return window_; }
  IUnknown* Object() const override { return object_.Get(); }

 private:
  bool IsOurChild(HWND window) const {
    return window != nullptr && IsWindow(window) && GetParent(window) == host_ &&
           (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
  }

  HWND host_;
  ComPtr<IOleObject> object_;
  bool sited_ = false;
  HWND window_ = nullptr;
};

WebBrowserControl::~WebBrowserControl() {
  if (sited_) {
    // Close leaves the in-place state and destroys the control's window;
    // clearing the site breaks the control's reference to it.
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  object_.Reset();
  if (IsOurChild(window_)) DestroyWindow(window_);
}

bool WebBrowserControl::Activate(const RECT& client, int childId) {
  ComPtr<IOleClientSite> site = CreateOleSite(host_);
  if (FAILED(object_->SetClientSite(site.Get()))) return false;
  sited_ = true;

  RECT position = client;
  if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.Get(), 0, host_, &position))) {
    return false;
  }
  ComPtr<IOleInPlaceObject> inPlace = object_.As<IOleInPlaceObject>();
  HWND window = nullptr;
  if (!inPlace || FAILED(inPlace->GetWindow(&window)) || !IsOurChild(window)) return false;
  window_ = window;

  SetWindowLongPtrW(window_, GWLP_ID, childId);
  SetWindowPos(window_, nullptr, client.left, client.top, client.right - client.left,
               client.bottom - client.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  return true;
}

}  // namespace

std::unique_ptr<EngineControl> CreateWebBrowserControl(HWND host, const RECT& client, int childId) {
  ComPtr<IOleObject> object;
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              object.Receive())) ||
      !object) {
    return nullptr;
  }
  auto control = std::make_unique<WebBrowserControl>(host, std::move(object));
  if (!control->Activate(client, childId)) return nullptr;
  return control;
}

}  // namespace plimsett::ui
