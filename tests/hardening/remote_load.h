// Makes another process load a DLL as code running inside it would.
#pragma once

#include <windows.h>

#include <string>

namespace plimsett::test {

// Has the process call LoadLibraryW(name) on a thread of its own and waits
// for the call to return. True when the call ran; whether anything loaded
// is for the caller to find out.
bool LoadLibraryInside(HANDLE process, DWORD processId, const std::wstring& name);

}  // namespace plimsett::test
