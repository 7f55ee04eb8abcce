// The program's own folder, made the current directory at start-up, so the
// program runs there whatever folder it was started from.
#pragma once

#include <string_view>

#include "core/types.h"

namespace plimsett::app {

// The folder part of `programPath`, a path in the system's ANSI code page:
// everything before its last backslash, found character by character, so
// the second byte of a double-byte character is never taken for one. The
// root of a drive keeps its backslash ("C:\"), since "C:" alone would name
// the current directory of that drive. Empty when there is no backslash.
Text ProgramFolderOf(std::string_view programPath);

// The full path of the program file, however long it is.
Text ProgramFilePath();

// Makes the program's folder the current directory. A failure leaves the
// current directory as the launcher left it.
void MakeProgramFolderCurrent();

}  // namespace plimsett::app
