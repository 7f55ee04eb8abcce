#include "planted_note.h"

#include <cstdlib>
#include <sstream>

namespace plimsett::test {

std::vector<DWORD> ProcessesThatLoaded(const std::wstring& dllPath) {
  std::vector<DWORD> ids;
  HANDLE note =
      CreateFileW((dllPath + L".loaded").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (note == INVALID_HANDLE_VALUE) return ids;
  std::string text;
  char buffer[256];
  DWORD read = 0;
  while (ReadFile(note, buffer, sizeof buffer, &read, nullptr) && read != 0)
    text.append(buffer, read);
  CloseHandle(note);
  std::istringstream lines(text);
  for (unsigned long id = 0; lines >> id;) ids.push_back(static_cast<DWORD>(id));
  return ids;
}

}  // namespace plimsett::test
