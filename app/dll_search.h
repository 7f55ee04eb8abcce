// Where the program lets the system look for DLLs that are loaded by name.
#pragma once

namespace plimsett::app {

// From now on a DLL loaded by a bare name comes from the system folder only,
// never from the program's folder or the current directory. The program runs
// elevated from wherever it was saved (a downloads folder, say), makes that
// folder its current directory, and the browser engine loads many DLLs late
// and by name: a file planted beside the program must never be one of them.
// DLLs loaded by a full path, and those the program file imports itself
// (all of them known system DLLs), are not affected.
void RestrictDllSearchToSystemFolder();

}  // namespace plimsett::app
