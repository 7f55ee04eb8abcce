#include "app/dll_search.h"

#include <windows.h>

namespace plimsett::app {

void RestrictDllSearchToSystemFolder() {
  // Looked up rather than imported: Windows 7 has it only with update
  // KB2533623, and a missing import would stop the program from starting.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const FARPROC found =
      kernel != nullptr ? GetProcAddress(kernel, "SetDefaultDllDirectories") : nullptr;
  if (found != nullptr) {
    // Through the generic function type, which any function pointer may be
    // converted to and back without a warning.
    const auto setDefault =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
    if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  }
  // Where that is not to be had, at least the current directory is taken
  // out of the search.
  SetDllDirectoryW(L"");
}

}  // namespace plimsett::app
