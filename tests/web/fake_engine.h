// A stand-in for the browser engine behind the web view. It records, as
// text and in order, what the web view asks of it and when it lets go.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plimsett::tests {

struct FakeEngineOptions {
  bool makesControl = true;   // false: the engine control cannot be created
  bool offersBrowser = true;  // false: the control has no IWebBrowser2
  HRESULT answer = S_OK;      // what each recorded IWebBrowser2 call returns
};

// The ways the engine can fail the web view, for tables of tests.
struct EngineFailure {
  const char* name;
  FakeEngineOptions options;
};
inline const EngineFailure kEngineFailures[] = {
    {"ControlCannotBeMade", {.makesControl = false}},
    {"ControlHasNoWebBrowser2", {.offersBrowser = false}},
};

// Stands in for the engine of every web view created while it lives.
class FakeEngine {
 public:
  explicit FakeEngine(FakeEngineOptions options = {});
  FakeEngine(const FakeEngine&) = delete;
  FakeEngine& operator=(const FakeEngine&) = delete;
  ~FakeEngine();

  // Entries, oldest first:
  //   "create id=59648 client=0,0,248,176"
  //   "put_Offline(0)", "put_Silent(-1)", "ExecWB(19,2,I4:2,null)",
  //   "Navigate(<url as UTF-8>,I4:0,BSTR:null,EMPTY,BSTR:null)"
  //   "destroy control, other references 0"
  //   "object gone, OLE initialised" or "object gone, OLE not initialised"
  const std::vector<std::string>& Log() const { return log_; }
  // The IWebBrowser2 calls of the log alone.
  std::vector<std::string> BrowserCalls() const;

  // The host window the last control was made in, and that control's window.
  HWND Host() const { return host_; }
  HWND ControlWindow() const { return controlWindow_; }
  // Whether the engine object of the last control still exists.
  bool ObjectAlive() const { return objectAlive_; }

  // For the parts of the fake only.
  const FakeEngineOptions& Options() const { return options_; }
  void Record(std::string entry) { log_.push_back(std::move(entry)); }
  void NoteControl(HWND host, HWND window) {
    host_ = host;
    controlWindow_ = window;
  }
  void NoteObjectAlive(bool alive) { objectAlive_ = alive; }

 private:
  FakeEngineOptions options_;
  std::vector<std::string> log_;
  HWND host_ = nullptr;
  HWND controlWindow_ = nullptr;
  bool objectAlive_ = false;
};

}  // namespace plimsett::tests
