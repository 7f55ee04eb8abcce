// The browser engine behind the web view: the system's WebBrowser control,
// and the seam through which another engine can stand in for it.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include <memory>

namespace plimsett::ui {

// The child id of the engine control window inside the host window.
inline constexpr int kEngineControlId = 0xE900;

// An engine control made inside a host window. Destroying it detaches the
// control from the host and destroys the control's window if it still exists.
class EngineControl {
 public:
  EngineControl() = default;
  EngineControl(const EngineControl&) = delete;
  EngineControl& operator=(const EngineControl&) = delete;
  virtual ~EngineControl() = default;

  // The control's window, a WS_CHILD | WS_VISIBLE child of the host.
  virtual HWND Window() const = 0;
  // The control's object, which the web view asks for IWebBrowser2. The
  // control keeps its own reference.
  virtual IUnknown* Object() const = 0;
};

// Makes an engine control inside `host` that fills `client` (the host's client
// area) and has the child id `childId`; nullptr when it cannot be made, with
// nothing left behind.
using EngineFactory = std::unique_ptr<EngineControl> (*)(HWND host, const RECT& client,
                                                         int childId);

// The system's WebBrowser control, hosted as an in-place OLE control.
std::unique_ptr<EngineControl> CreateWebBrowserControl(HWND host, const RECT& client, int childId);

// Chooses the engine of every web view created from now on; nullptr brings
// back CreateWebBrowserControl.
void SetEngineFactory(EngineFactory factory);

}  // namespace plimsett::ui
