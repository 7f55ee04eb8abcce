#include "main_window_fixture.h"

#include <ole2.h>

#include <vector>

#include "ui/main_window.h"

namespace plimsett::ui::testing {
namespace {

HWND g_openedWindow = nullptr;
int g_goneCount = 0;

void NoteOpened(HWND window) { g_openedWindow = window; }
void NoteGone(HWND) { ++g_goneCount; }

// The key whose releases the loop is waiting for, and how many are due.
WORD g_awaitedKey = 0;
std::size_t g_releasesDue = 0;

void HandleOne(const MSG& message) {
  if ((message.message == WM_KEYUP || message.message == WM_SYSKEYUP) &&
      message.wParam == g_awaitedKey && g_releasesDue > 0) {
    --g_releasesDue;
  }
  if (PreTranslateMainWindowMessage(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void SendKey(WORD key, bool release, bool unicode = false) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  if (unicode) {
    input.ki.wScan = key;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
  } else {
    input.ki.wVk = key;
  }
  if (release) input.ki.dwFlags |= KEYEVENTF_KEYUP;
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

}  // namespace

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) HandleOne(message);
}

void PumpUntil(const std::function<bool()>& done) {
  const ULONGLONG giveUp = GetTickCount64() + 5000;
  PumpPending();
  while (!done()) {
    if (GetTickCount64() > giveUp) {
      ADD_FAILURE() << "the awaited event did not come";
      return;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    PumpPending();
  }
}

void PressChord(const std::vector<WORD>& chord, const std::function<bool()>& done) {
  ASSERT_FALSE(chord.empty());
  g_awaitedKey = chord.front();  // released last
  g_releasesDue = 1;
  for (WORD key : chord) SendKey(key, false);
  for (auto key = chord.rbegin(); key != chord.rend(); ++key) SendKey(*key, true);
  if (done) {
    PumpUntil(done);
  } else {
    PumpUntil([] { return g_releasesDue == 0; });
  }
}

void TypeText(std::wstring_view text) {
  // Unicode key events arrive as VK_PACKET.
  g_awaitedKey = VK_PACKET;
  g_releasesDue = text.size();
  for (wchar_t c : text) {
    SendKey(static_cast<WORD>(c), false, true);
    SendKey(static_cast<WORD>(c), true, true);
  }
  PumpUntil([] { return g_releasesDue == 0; });
}

std::string ReadAnsiText(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const auto copied =
      SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

void WriteAnsiText(HWND window, const std::string& text) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring ReadWideText(HWND window) {
  std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int copied = GetWindowTextW(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

// Start-up makes the UI thread an OLE apartment before any window exists;
// the web view's engine needs it.
void EnterOleApartmentOnce() {
  struct Apartment {
    Apartment() { OleInitialize(nullptr); }
    ~Apartment() { OleUninitialize(); }
  };
  static Apartment apartment;
}

void MainWindowTest::SetUp() {
  EnterOleApartmentOnce();
  g_openedWindow = nullptr;
  g_goneCount = 0;
  MainWindowHost host;
  host.windowOpened = NoteOpened;
  host.windowGone = NoteGone;
  SetMainWindowHost(host);
  ASSERT_TRUE(ShowMainWindow());
  window_ = g_openedWindow;
  ASSERT_NE(window_, nullptr);
  PumpUntil([this] { return GetForegroundWindow() == window_ && GetFocus() != nullptr; });
}

void MainWindowTest::TearDown() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  PumpPending();
  SetMainWindowHost(MainWindowHost{});
}

HWND MainWindowTest::control(Control name) const {
  const ControlRow& row = RowOf(name);
  HWND parent = row.container ? control(*row.container) : window_;
  return GetDlgItem(parent, ControlId(name));
}

std::optional<Control> MainWindowTest::FocusedControl() const {
  HWND focused = GetFocus();
  if (focused == nullptr) return std::nullopt;
  // The web view sits inside the group box: its own window must win over
  // the box, which is the parent of that window.
  for (HWND window : {focused, GetParent(focused)}) {
    for (const ControlRow& row : kControls) {
      if (window != nullptr && control(row.name) == window) return row.name;
    }
  }
  return std::nullopt;
}

int MainWindowTest::windowGoneCount() { return g_goneCount; }

namespace {

constexpr wchar_t kOtherClass[] = L"PlimsettTestOtherWindow";

bool RegisterOtherClass() {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(GetModuleHandleW(nullptr), kOtherClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kOtherClass;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

OtherTopLevelWindow::OtherTopLevelWindow() {
  if (!RegisterOtherClass()) return;
  window_ = CreateWindowExW(0, kOtherClass, L"other", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

OtherTopLevelWindow::~OtherTopLevelWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  PumpPending();
}

void Activate(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  PumpUntil([window] { return GetForegroundWindow() == window && GetActiveWindow() == window; });
}

}  // namespace plimsett::ui::testing
