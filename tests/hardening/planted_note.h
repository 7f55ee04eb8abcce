// What the planted DLL leaves behind when a process loads it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plimsett::test {

// The planted DLL's file name as the build makes it.
inline constexpr wchar_t kPlantedDll[] = L"plimsett_planted.dll";

// The ids of the processes that loaded the DLL at `dllPath`, in order; none
// when no process has.
std::vector<DWORD> ProcessesThatLoaded(const std::wstring& dllPath);

}  // namespace plimsett::test
