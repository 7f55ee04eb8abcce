// The program's run from start-up to the end of its event loop.
#pragma once

namespace plimsett::app {

// Prepares the process, sets up the program's globals and registers their
// clean-up, shows the main window and runs the event loop until the quit
// request. Always returns 0; the exit code is the quit request's.
int RunProgram();

// The fixed points where the program's global state is set up and released.
// The program keeps no globals of its own, so both are empty.
void InitGlobals();
void CleanUpGlobals();

// Shows the main window, on screen and active, or ends the program with
// "载入启动窗口失败" when it cannot be built.
void LoadStartWindow();

}  // namespace plimsett::app
