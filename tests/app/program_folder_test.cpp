// Finding the program's folder in its path, in code page 936.
#include "app/program_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace plimsett::app {
namespace {

struct FolderCase {
  const char* path;
  const char* folder;
};

class ProgramFolderOfTest : public testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderOfTest, CutsAtTheLastBackslashCharacter) {
  ASSERT_EQ(GetACP(), 936u);
  EXPECT_EQ(ProgramFolderOf(GetParam().path), GetParam().folder);
}

// "\x9C\x5C" is 淺 and "\x81\x5C" is 乗: their second byte is a backslash's.
INSTANTIATE_TEST_SUITE_P(
    Paths, ProgramFolderOfTest,
    testing::Values(FolderCase{"C:\\Tools\\plimsett.exe", "C:\\Tools"},
                    FolderCase{"C:\\Tools\\Old\\plimsett.exe", "C:\\Tools\\Old"},
                    FolderCase{"\\\\server\\share\\plimsett.exe", "\\\\server\\share"},
                    FolderCase{"C:\\Tools\\\x9C\x5C.exe", "C:\\Tools"},
                    FolderCase{"C:\\\x9C\x5C\\\x9C\x5C.exe", "C:\\\x9C\x5C"},
                    FolderCase{"C:\\\xD6\xD0\x81\x5C\\p.exe", "C:\\\xD6\xD0\x81\x5C"},
                    FolderCase{"C:\\Tools\\p\x81", "C:\\Tools"},
                    // A drive's root keeps its backslash: "C:" alone is the
                    // current directory of drive C, wherever that is.
                    FolderCase{"C:\\plimsett.exe", "C:\\"}, FolderCase{"plimsett.exe", ""},
                    FolderCase{"", ""}));

}  // namespace
}  // namespace plimsett::app
