// Stands for a DLL planted beside the program. Whichever process loads it
// appends its process id to a note named after the DLL's own file with
// ".loaded" added, so a test can tell whether, and by whom, it was loaded.
#include <windows.h>

#include <cstdio>
#include <cwchar>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  constexpr wchar_t kSuffix[] = L".loaded";
  wchar_t path[MAX_PATH + sizeof kSuffix / sizeof kSuffix[0]];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  std::wcscpy(path + length, kSuffix);
  HANDLE note = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (note == INVALID_HANDLE_VALUE) return TRUE;
  char line[16];
  const int size = std::snprintf(line, sizeof line, "%lu\n", GetCurrentProcessId());
  DWORD written = 0;
  WriteFile(note, line, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(note);
  return TRUE;
}
