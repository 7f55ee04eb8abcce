// The fatal-error report: whatever the program cannot do ends it here, with
// a message box and exit code -1. Neither function returns.
#pragma once

#include <cstddef>
#include <string_view>

namespace plimsett::app {

// Shows the report (caption "错误", error icon, one OK button, no owner) and,
// once it has been closed, ends the process with exit code -1 without
// calling the registered clean-up routine.
[[noreturn]] void ReportFatalError(std::wstring_view message);

// The report for an allocation of `size` bytes that could not be had.
[[noreturn]] void ReportOutOfMemory(std::size_t size);

}  // namespace plimsett::app
