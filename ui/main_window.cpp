// MainWindow: building it from the control table, its message handlers and
// its keyboard rules. The window owns its state: the state is made at
// WM_NCCREATE and freed at WM_NCDESTROY.
#include "ui/main_window.h"

#include <array>
#include <new>
#include <optional>

#include "core/byte_set_text.h"
#include "ui/control_table.h"
#include "ui/controls.h"
#include "ui/create_with_procedure.h"
#include "ui/focus_order.h"
#include "ui/group_box.h"
#include "ui/text_field.h"
#include "ui/win_handles.h"
#include "ui/window_class.h"

namespace plimsett::ui {
namespace {

constexpr wchar_t kWindowClass[] = L"PlimsettMainWindow";
constexpr wchar_t kCaption[] = L"Plimsett - Orvandy";
constexpr int kWindowWidth = 484;
constexpr int kWindowHeight = 194;
// A fixed dialog frame: no sizing border, no minimise or maximise button.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

MainWindowHost g_host;
ATOM g_windowClass = 0;

bool KeyIsDown(int key) { return GetKeyState(key) < 0; }

class MainWindow {
 public:
  explicit MainWindow(HWND window) : window_(window) {}

  static MainWindow* FromWindow(HWND window) {
    return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }

  // The main window that `window` is or lies inside, if any.
  static MainWindow* Containing(HWND window) {
    HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    if (root == nullptr || g_windowClass == 0) return nullptr;
    if (GetClassLongPtrW(root, GCW_ATOM) != g_windowClass) return nullptr;
    return FromWindow(root);
  }

  void KeepOuterSize() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    if (frame.right - frame.left == kWindowWidth && frame.bottom - frame.top == kWindowHeight) {
      return;
    }
    SetWindowPos(window_, nullptr, frame.left, frame.top, kWindowWidth, kWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void SetIconsAndFont() {
    if (g_host.programIcon != nullptr) {
      SendMessageW(window_, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(g_host.programIcon(true)));
      SendMessageW(window_, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(g_host.programIcon(false)));
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  }

  // Every control is made a child of the window first; a control held by
  // another moves into it afterwards, keeping its coordinate numbers.
  bool CreateControls() {
    for (const ControlRow& row : kControls) {
      HWND control = CreateControlWindow(row, window_, font_);
      if (control == nullptr) return false;
      controls_[IndexOf(row.name)] = control;
      if (row.container && SetParent(control, WindowOf(*row.container)) == nullptr) {
        return false;
      }
    }
    return true;
  }

  // From the last-created control back to the first, each goes right below
  // the one handled before it in the same container, or on top when it is
  // the first there: the stacking order is the reverse of creation.
  void StackControls() {
    std::array<HWND, kControlCount + 1> lastInContainer{};  // by container; the window last
    for (std::size_t i = kControlCount; i-- > 0;) {
      const ControlRow& row = kControls[i];
      HWND& previous = lastInContainer[row.container ? IndexOf(*row.container) : kControlCount];
      SetWindowPos(controls_[i], previous != nullptr ? previous : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      previous = controls_[i];
    }
  }

  void ShowControls() {
    for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);
  }

  // The keyboard rules, before the key is dispatched. True: key used up.
  bool OnKeyBeforeDispatch(WPARAM key) {
    const bool shift = KeyIsDown(VK_SHIFT);
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool alt = KeyIsDown(VK_MENU);
    if (key == VK_TAB && !ctrl && !alt) {
      MoveFocus(/*forward=*/!shift);
      return true;
    }
    if (key == VK_ESCAPE && !shift && !ctrl && !alt) {
      SendMessageW(window_, WM_CLOSE, 0, 0);
      return true;
    }
    // Enter and F1 go on to the focused control. Alt with a letter or digit
    // would look for a caption mnemonic, but no caption has one (the
    // control table checks that), so it goes on too.
    return false;
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_CREATE:
        if (g_host.windowOpened != nullptr) g_host.windowOpened(window_);
        break;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND:
        return 1;  // the paint fills the background
      case WM_PAINT: {
        PaintScope paint(window_);
        Paint(paint.dc(), paint.area());
        return 0;
      }
      case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window_, &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
      }
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC:
        if (HBRUSH brush =
                OnColourQuery(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
        break;
      case WM_COMMAND:
        OnCommand(HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) NoteFocus();
        break;
      case WM_SETFOCUS:
        HandFocusOn();
        return 0;
      default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  HWND WindowOf(Control control) const { return controls_[IndexOf(control)]; }

  std::optional<Control> ControlOf(HWND window) const {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      if (window != nullptr && controls_[i] == window) return kControls[i].name;
    }
    return std::nullopt;
  }

  // The background colour is looked up at each paint, so a change of the
  // system colours shows at once.
  static void Paint(HDC dc, const RECT& area) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  }

  HBRUSH OnColourQuery(HWND child, HDC dc) const {
    const std::optional<Control> control = ControlOf(child);
    if (!control) return nullptr;
    switch (RowOf(*control).kind) {
      case ControlKind::TextField:
        return AnswerFieldColourQuery(dc);
      case ControlKind::GroupBox:
        return AnswerGroupBoxColourQuery(child, dc);
      default:
        return nullptr;
    }
  }

  void OnCommand(WORD code, HWND source) {
    if (code != BN_CLICKED || source == nullptr) return;
    if (source == WindowOf(Control::按钮文本到字节集)) OnEncodeButtonClicked();
    if (source == WindowOf(Control::按钮把上面的字节集转换到文本)) OnDecodeButtonClicked();
  }

  void OnEncodeButtonClicked() {
    const Text source = GetFieldText(WindowOf(Control::编辑框1));
    const Text result = EncodeByteSetText(source);
    SetFieldText(WindowOf(Control::编辑框2), result);
  }

  void OnDecodeButtonClicked() {
    const Text source = GetFieldText(WindowOf(Control::编辑框2));
    const Text result = DecodeByteSetText(source);
    SetFieldText(WindowOf(Control::编辑框3), result);
  }

  void MoveFocus(bool forward) {
    const std::optional<Control> current = ControlHoldingFocus(controls_, GetFocus());
    if (!current) return;  // deeper inside a control: the focus stays
    if (HWND next = NeighbourInFocusOrder(controls_, *current, forward)) SetFocus(next);
  }

  void NoteFocus() {
    HWND focused = GetFocus();
    focusToRestore_ = focused != nullptr && IsChild(window_, focused) ? focused : nullptr;
  }

  void HandFocusOn() {
    HWND target = focusToRestore_;
    if (target == nullptr || !IsWindow(target) || !IsChild(window_, target)) {
      target = FirstInFocusOrder(controls_);
    }
    if (target != nullptr) SetFocus(target);
  }

  HWND window_;
  ControlWindows controls_{};
  HFONT font_ = nullptr;
  HWND focusToRestore_ = nullptr;
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* state = new (std::nothrow) MainWindow(window);
    if (state == nullptr) return FALSE;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  }
  MainWindow* state = MainWindow::FromWindow(window);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete state;
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    if (g_host.windowGone != nullptr) g_host.windowGone(window);
    return result;
  }
  if (state == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return state->HandleMessage(message, wParam, lParam);
}

// The class keeps the system's default procedure; each window gets its
// own procedure as it is created.
bool RegisterMainWindowClass(HINSTANCE instance) {
  if (g_windowClass == 0) {
    g_windowClass = RegisterProgramClass(instance, kWindowClass, DefWindowProcW);
  }
  return g_windowClass != 0;
}

}  // namespace

void SetMainWindowHost(const MainWindowHost& host) { g_host = host; }

bool ShowMainWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMainWindowClass(instance)) return false;

  // The whole primary screen, not its work area; the division truncates.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
  const RECT frame{left, top, left + kWindowWidth, top + kWindowHeight};
  UniqueWindow window(CreateWindowWithProcedure(MainWindowProc, 0, kWindowClass, kCaption,
                                                kWindowStyle, frame, nullptr, instance));
  if (!window) return false;
  MainWindow* state = MainWindow::FromWindow(window.get());
  if (state == nullptr) return false;

  state->KeepOuterSize();
  state->SetIconsAndFont();
  if (!state->CreateControls()) return false;  // destroying the window takes the controls along
  state->StackControls();
  state->ShowControls();
  // Activates the window; its WM_SETFOCUS hands the focus to the first
  // control of the focus order.
  ShowWindow(window.get(), SW_SHOWNORMAL);
  window.release();
  return true;
}

bool PreTranslateMainWindowMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  MainWindow* state = MainWindow::Containing(message.hwnd);
  return state != nullptr && state->OnKeyBeforeDispatch(message.wParam);
}

}  // namespace plimsett::ui
