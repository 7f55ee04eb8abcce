// What a user, or another program, can see of a window and everything in it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plimsett::test {

// One line for the window and one for each window inside it, depth first:
// class, control id, text, place relative to the top-level window, styles
// and visibility.
std::vector<std::wstring> DescribeWindowTree(HWND window);

}  // namespace plimsett::test
