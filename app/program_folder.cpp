#include "app/program_folder.h"

#include <windows.h>

namespace plimsett::app {

Text ProgramFolderOf(std::string_view programPath) {
  std::size_t lastBackslash = std::string_view::npos;
  for (std::size_t i = 0; i < programPath.size(); ++i) {
    if (programPath[i] == '\\') {
      lastBackslash = i;
    } else if (IsDBCSLeadByte(static_cast<BYTE>(programPath[i]))) {
      ++i;
    }
  }
  if (lastBackslash == std::string_view::npos) return {};
  const bool driveRoot = lastBackslash == 2 && programPath[1] == ':';
  return Text(programPath.substr(0, driveRoot ? 3 : lastBackslash));
}

Text ProgramFilePath() {
  // MAX_PATH is where most paths end, not all, and a path cut short would
  // name some other, existing folder further up. No path of the system is
  // longer than 32767 UTF-16 units, each at most two ANSI bytes.
  constexpr std::size_t kLongestPath = 65536;
  Text path(MAX_PATH, '\0');
  while (path.size() <= kLongestPath) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
    if (length < size) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return {};
}

void MakeProgramFolderCurrent() {
  SetCurrentDirectoryA(ProgramFolderOf(ProgramFilePath()).c_str());
}

}  // namespace plimsett::app
