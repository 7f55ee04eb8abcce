// Checks the Wine session the Windows tests run in: the ANSI code page is
// the target systems' 936, and top-level windows work on its display.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WineSession, AnsiCodePageIs936) {
  EXPECT_EQ(GetACP(), 936u);
  // A Chinese character is two bytes of 0x80 or more in that code page.
  char bytes[8] = {};
  int n = WideCharToMultiByte(CP_ACP, 0, L"\u4E2D", 1, bytes, sizeof bytes, nullptr, nullptr);
  ASSERT_EQ(n, 2);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xD6);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD0);
}

TEST(WineSession, ScreenIs1024By768AndWindowsShow) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  HWND w = CreateWindowExW(0, L"STATIC", L"\u6D4B\u8BD5", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(w, nullptr);
  ShowWindow(w, SW_SHOWNORMAL);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_TRUE(DestroyWindow(w));
}

}  // namespace
