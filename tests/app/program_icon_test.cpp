// The program icon as the main window takes it. This test program carries
// the program's own resources.
#include "app/program_icon.h"

#include <gtest/gtest.h>

#include "app/lifecycle.h"

namespace plimsett::app {
namespace {

// The icon's colour bitmap size, or 0 x 0 for a handle that is no icon.
SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  const LONG height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, height};
}

TEST(ProgramIcon, LoadedOnceAtEachSizeAndDestroyedByTheEnd) {
  HICON large = ProgramIcon(true);
  HICON small = ProgramIcon(false);
  ASSERT_NE(large, nullptr);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(ProgramIcon(true), large);
  EXPECT_EQ(ProgramIcon(false), small);
  EXPECT_EQ(IconSize(large).cx, 32);
  EXPECT_EQ(IconSize(large).cy, 32);
  EXPECT_EQ(IconSize(small).cx, 16);
  EXPECT_EQ(IconSize(small).cy, 16);

  EndProgram();
  EXPECT_EQ(IconSize(large).cx, 0) << "the large icon outlived the end of the program";
  EXPECT_EQ(IconSize(small).cx, 0) << "the small icon outlived the end of the program";
  // A later end finds nothing left; the icons can still be had afresh.
  EndProgram();
  EXPECT_EQ(IconSize(ProgramIcon(true)).cx, 32);
}

}  // namespace
}  // namespace plimsett::app
