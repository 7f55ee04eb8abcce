// Windows for the web view tests: OLE for the test's thread, and a top-level
// window with a group box that takes the main window's place until a test
// needs the real one.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace plimsett::tests {

// The web view's placement in the group box, and the box's own.
inline constexpr RECT kWebViewRect = {-6, -30, 242, 146};
inline constexpr RECT kGroupBoxRect = {0, 0, 192, 72};
inline constexpr int kWebViewId = 1010;

// OLE on the test's thread, as start-up sets it up for the program.
class OleScope {
 public:
  OleScope() : result_(OleInitialize(nullptr)) {}
  OleScope(const OleScope&) = delete;
  OleScope& operator=(const OleScope&) = delete;
  ~OleScope() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  bool Ok() const { return SUCCEEDED(result_); }

 private:
  HRESULT result_;
};

// A hidden top-level window with a group box at the top-left corner of its
// client area, both destroyed with the object.
class TestParent {
 public:
  TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;
  ~TestParent();

  HWND Window() const { return window_; }
  HWND GroupBox() const { return groupBox_; }

  // Moves `host` into the group box keeping its coordinate numbers, and
  // shows the window with everything in it.
  void PlaceInGroupBoxAndShow(HWND host);

 private:
  HWND window_ = nullptr;
  HWND groupBox_ = nullptr;
};

// Handles every message waiting for this thread.
void PumpMessages();

// The direct children of `window`, topmost first.
std::vector<HWND> ChildrenOf(HWND window);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

// For EXPECT_TRUE(SameRect(actual, expected)), naming both when they differ.
::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected);

}  // namespace plimsett::tests
