// The error mode the process start sets up.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/lifecycle.h"

namespace plimsett::app {
namespace {

TEST(QuietenSystemErrorBoxes, AddsItsFlagsToTheModeThereWas) {
  const UINT before = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  QuietenSystemErrorBoxes();
  const UINT after = GetErrorMode();
  SetErrorMode(before);
  EXPECT_EQ(after, SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

}  // namespace
}  // namespace plimsett::app
