#include "remote_load.h"

#include <tlhelp32.h>

#include <cstdint>

namespace plimsett::test {
namespace {

// Where kernel32 sits in the other process; the system places it alike in
// every process, but that is not promised.
std::uintptr_t Kernel32BaseIn(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  std::uintptr_t base = 0;
  for (BOOL more = Module32FirstW(snapshot, &module); more && base == 0;
       more = Module32NextW(snapshot, &module)) {
    if (CompareStringOrdinal(module.szModule, -1, L"kernel32.dll", -1, TRUE) == CSTR_EQUAL) {
      base = reinterpret_cast<std::uintptr_t>(module.modBaseAddr);
    }
  }
  CloseHandle(snapshot);
  return base;
}

}  // namespace

bool LoadLibraryInside(HANDLE process, DWORD processId, const std::wstring& name) {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto here = reinterpret_cast<std::uintptr_t>(GetProcAddress(kernel, "LoadLibraryW"));
  const std::uintptr_t there = Kernel32BaseIn(processId);
  if (here == 0 || there == 0) return false;
  const std::uintptr_t entry = there + (here - reinterpret_cast<std::uintptr_t>(kernel));

  const SIZE_T size = (name.size() + 1) * sizeof(wchar_t);
  void* remoteName = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  if (remoteName == nullptr) return false;
  bool ran = false;
  if (WriteProcessMemory(process, remoteName, name.c_str(), size, nullptr)) {
    HANDLE thread =
        CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(entry),
                           remoteName, 0, nullptr);
    if (thread != nullptr) {
      ran = WaitForSingleObject(thread, 30000) == WAIT_OBJECT_0;
      CloseHandle(thread);
    }
  }
  VirtualFreeEx(process, remoteName, 0, MEM_RELEASE);
  return ran;
}

}  // namespace plimsett::test
