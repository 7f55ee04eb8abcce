// RestrictDllSearchToSystemFolder in a process of its own (this test's): a
// DLL beside the program, in the current directory or on PATH loads by its
// bare name until the search is restricted, and never after; the system's
// own DLLs, and any DLL named by its full path, still load.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dll_search.h"
#include "child_process.h"
#include "planted_note.h"

namespace plimsett::test {
namespace {

std::wstring ThisProgramsFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

struct Load {
  const char* what;
  std::wstring name;  // as passed to LoadLibraryW
  bool planted;       // a copy of the planted DLL, which must not load by a bare name
};

void CopyPlanted(const std::wstring& to) {
  const std::wstring from = ThisProgramsFolder() + L"\\" + kPlantedDll;
  ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << "cannot plant a copy";
}

TEST(DllSearch, PlantedDllsLoadByNameOnlyUntilTheSearchIsRestricted) {
  ScratchFolder here(L"current");
  ScratchFolder onPath(L"path");
  CopyPlanted(here.path() + L"\\plimsett_planted_here.dll");
  CopyPlanted(onPath.path() + L"\\plimsett_planted_path.dll");
  ASSERT_TRUE(SetCurrentDirectoryW(here.path().c_str()));
  wchar_t path[32767];
  const DWORD length = GetEnvironmentVariableW(L"PATH", path, 32767);
  ASSERT_GT(length, 0u);
  ASSERT_TRUE(SetEnvironmentVariableW(L"PATH", (onPath.path() + L";" + path).c_str()));

  const std::vector<Load> loads = {
      {"beside the program", kPlantedDll, true},
      {"in the current directory", L"plimsett_planted_here.dll", true},
      {"on PATH", L"plimsett_planted_path.dll", true},
      {"a system DLL", L"msimg32.dll", false},
      {"by its full path", ThisProgramsFolder() + L"\\" + kPlantedDll, false},
  };

  // Without the restriction every planted copy is found, or this test
  // could not tell the restriction from a planting that never worked.
  for (const Load& load : loads) {
    if (!load.planted) continue;
    SCOPED_TRACE(load.what);
    HMODULE module = LoadLibraryW(load.name.c_str());
    ASSERT_NE(module, nullptr) << "the planted copy does not load even unrestricted";
    ASSERT_TRUE(FreeLibrary(module));
    ASSERT_EQ(GetModuleHandleW(load.name.c_str()), nullptr) << "still loaded";
  }
  ASSERT_EQ(GetModuleHandleW(L"msimg32.dll"), nullptr) << "loaded already: proves nothing";

  app::RestrictDllSearchToSystemFolder();

  for (const Load& load : loads) {
    SCOPED_TRACE(load.what);
    HMODULE module = LoadLibraryW(load.name.c_str());
    EXPECT_EQ(module != nullptr, !load.planted);
    if (module != nullptr) FreeLibrary(module);
  }
  SetEnvironmentVariableW(L"PATH", path);
  SetCurrentDirectoryW(ThisProgramsFolder().c_str());
}

}  // namespace
}  // namespace plimsett::test
