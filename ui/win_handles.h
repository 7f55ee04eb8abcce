// Owners for the window system's handles and for its paired calls, so that
// every early return of the window code still releases what it took.
#pragma once

#include <windows.h>

#include <utility>

namespace plimsett::ui {

// One handle that is closed by `Close` when its owner goes, unless released.
template <typename Handle, auto Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

inline void DeleteBrush(HBRUSH brush) { DeleteObject(brush); }

using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteBrush>;
using UniqueHook = UniqueHandle<HHOOK, UnhookWindowsHookEx>;

// BeginPaint ... EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }

  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC / GetWindowDC ... ReleaseDC.
class WindowDcScope {
 public:
  enum class Area { Client, Whole };
  WindowDcScope(HWND window, Area area)
      : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
  WindowDcScope(const WindowDcScope&) = delete;
  WindowDcScope& operator=(const WindowDcScope&) = delete;
  ~WindowDcScope() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }

  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject, undone when the scope ends.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;
  ~SelectScope() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace plimsett::ui
