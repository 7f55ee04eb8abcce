// The end of the program and what start-up leaves in place, watched from
// outside the probe program, which runs plimsett_app's lifecycle around a
// window of its own and records what it sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"

namespace plimsett::test {
namespace {

using Lines = std::vector<std::wstring>;

const std::wstring kProbe = WindowsPathOf(PLIMSETT_APP_PROBE);

class LifecycleTest : public testing::Test {
 protected:
  ScratchFolder scratch_{L"lifecycle"};
  const std::wstring record_ = scratch_.path() + L"\\record.txt";

  std::wstring Arguments(const std::wstring& mode) const { return mode + L" \"" + record_ + L"\""; }

  // Runs the probe in `mode` to its end; its exit code.
  std::optional<DWORD> RunProbe(const std::wstring& mode) {
    ChildProcess probe(kProbe, Arguments(mode));
    return probe.WaitForExit();
  }
};

TEST_F(LifecycleTest, ClosingTheLastWindowEndsWithCleanUpOnceBeforeOleGoes) {
  ChildProcess probe(kProbe, Arguments(L"run"));
  ASSERT_TRUE(probe.started());
  HWND window = probe.WaitForWindow(nullptr, L"Plimsett probe");
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(probe.WaitForExit(), 0u);
  // Nothing after "ended": the end run again on the way out of the process
  // did not call the routine a second time.
  EXPECT_EQ(ReadLines(record_), (Lines{L"cleanup window=gone ole=sta", L"ended ole=none"}));
}

TEST_F(LifecycleTest, WindowGoneBeforeTheLoopPostsNoQuitAndTheLoopDoesNotWait) {
  EXPECT_EQ(RunProbe(L"gone-before-loop"), 0u);
  EXPECT_EQ(ReadLines(record_),
            (Lines{L"no quit pending", L"cleanup window=gone ole=sta", L"ended ole=none"}));
}

TEST_F(LifecycleTest, KeyboardHandlingIsOfferedOnlyMessagesOfProgramWindows) {
  EXPECT_EQ(RunProbe(L"keys"), 0u);
  // The handler uses up the key for the child; the program window's key
  // goes on to its window; the other window's is dispatched without a word.
  EXPECT_EQ(ReadLines(record_),
            (Lines{L"offered child", L"offered main", L"dispatched main", L"dispatched stranger",
                   L"cleanup window=gone ole=sta", L"ended ole=none"}));
}

// Where the program file lies: a folder made in the scratch folder, or the
// root of drive C when there is none. The probe is copied there and started
// from another folder of the same drive.
struct Placement {
  const char* name;
  const wchar_t* folder;
  const wchar_t* file;
};

class ProgramFolderTest : public LifecycleTest, public testing::WithParamInterface<Placement> {
 protected:
  ~ProgramFolderTest() override {
    if (!copy_.empty()) DeleteFileW(copy_.c_str());
  }
  std::wstring copy_;
};

TEST_P(ProgramFolderTest, BecomesTheCurrentDirectory) {
  const Placement& placement = GetParam();
  std::wstring folder = L"C:\\";
  if (placement.folder != nullptr) {
    folder = scratch_.path() + placement.folder;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  }
  const std::wstring copy = (placement.folder ? folder + L"\\" : folder) + placement.file;
  ASSERT_TRUE(CopyFileW(kProbe.c_str(), copy.c_str(), FALSE));
  copy_ = copy;

  wchar_t elsewhere[MAX_PATH];
  GetSystemDirectoryW(elsewhere, MAX_PATH);
  ChildProcess probe(copy, Arguments(L"where"), elsewhere);
  ASSERT_TRUE(probe.started());
  EXPECT_EQ(probe.WaitForExit(), 0u);
  const Lines lines = ReadLines(record_);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], L"cwd=" + folder);
}

// 淺 is 0x9C 0x5C in code page 936: its second byte is a backslash's. "C:"
// without its backslash would be drive C's current directory, the system
// folder the probe is started from.
INSTANTIATE_TEST_SUITE_P(
    Placements, ProgramFolderTest,
    testing::Values(Placement{"Plain", L"\\bin", L"probe.exe"},
                    Placement{"DoubleByteNames", L"\\字节淺", L"程序淺.exe"},
                    Placement{"DriveRoot", nullptr, L"plimsett-probe-at-root.exe"}),
    [](const testing::TestParamInfo<Placement>& param) { return param.param.name; });

}  // namespace
}  // namespace plimsett::test
