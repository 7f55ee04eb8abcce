// A stand-in for the browser engine behind the web view. It records, as
// text and in order, what the web view asks of it and when it lets go.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace plimsett::tests {

struct FakeEngineOptions {
  bool makesControl = true;                // false: the engine control cannot be created
  bool offersBrowser = true;               // false: the control has no IWebBrowser2
  HRESULT answer = S_OK;                   // what each recorded IWebBrowser2 call returns
  void (*onCreated)(HWND host) = nullptr;  // runs once the control is made
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

// What the fake has seen. Its parts share it with the engine, so a control
// that outlives the engine object of a test still has somewhere to write.
struct FakeEngineRecord {
  FakeEngineOptions options;
  std::vector<std::string> log;
  HWND host = nullptr;
  HWND controlWindow = nullptr;
  bool objectAlive = false;
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
  const std::vector<std::string>& Log() const { return record_->log; }
  // The IWebBrowser2 calls of the log alone.
  std::vector<std::string> BrowserCalls() const;

  // The host window the last control was made in, and that control's window.
  HWND Host() const { return record_->host; }
  HWND ControlWindow() const { return record_->controlWindow; }
  // Whether the engine object of the last control still exists.
  bool ObjectAlive() const { return record_->objectAlive; }

 private:
  std::shared_ptr<FakeEngineRecord> record_;
};

}  // namespace plimsett::tests
