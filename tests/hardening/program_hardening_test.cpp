// plimsett.exe as a user gets it: saved into a folder of downloads where a
// DLL has been planted beside it, and started from there. It starts as
// always, with its web view, and a DLL beside it never loads by its name;
// and neither arguments nor environment variables change anything in it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "hostile_start.h"
#include "planted_note.h"
#include "remote_load.h"
#include "ui/control_table.h"
#include "ui/web_engine.h"
#include "window_tree.h"

namespace plimsett::test {
namespace {

const std::wstring kProgram = WindowsPathOf(PLIMSETT_PROGRAM);
const std::wstring kPlantedSource = WindowsPathOf(PLIMSETT_PLANTED_DLL);
constexpr wchar_t kCaption[] = L"Plimsett - Orvandy";
constexpr wchar_t kWebViewClass[] = L"PlimsettWebViewHost";

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

// A downloads folder holding a copy of the program and the planted DLL.
class DownloadsFolder {
 public:
  DownloadsFolder() : folder_(L"downloads") {
    program_ = folder_.path() + L"\\plimsett.exe";
    planted_ = folder_.path() + L"\\" + kPlantedDll;
    copied_ = CopyFileW(kProgram.c_str(), program_.c_str(), FALSE) &&
              CopyFileW(kPlantedSource.c_str(), planted_.c_str(), FALSE);
  }

  bool ready() const { return copied_; }
  const std::wstring& path() const { return folder_.path(); }
  const std::wstring& program() const { return program_; }
  const std::wstring& planted() const { return planted_; }

 private:
  ScratchFolder folder_;
  std::wstring program_;
  std::wstring planted_;
  bool copied_ = false;
};

TEST(StartFromDownloads, StartsWithItsWebViewAndLoadsNoDllBesideIt) {
  DownloadsFolder downloads;
  ASSERT_TRUE(downloads.ready());
  ChildProcess program(downloads.program(), L"", downloads.path());
  ASSERT_TRUE(program.started());
  HWND window = program.WaitForWindow(nullptr, kCaption);
  ASSERT_NE(window, nullptr) << "start-up failed";

  HWND box = GetDlgItem(window, ui::ControlId(ui::Control::分组框1));
  HWND webView = GetDlgItem(box, ui::ControlId(ui::Control::超文本浏览框1));
  ASSERT_NE(webView, nullptr) << "no web view in the group box";
  EXPECT_EQ(ClassOf(webView), kWebViewClass);
  // The system's engine, whose libraries come from the system folder.
  HWND engine = GetDlgItem(webView, ui::kEngineControlId);
  ASSERT_NE(engine, nullptr) << "the web view holds no engine";
  EXPECT_EQ(ClassOf(engine), L"Shell Embedding");
  EXPECT_TRUE(ProcessesThatLoaded(downloads.planted()).empty()) << "loaded during start-up";

  // By its bare name, as the engine loads its DLLs: the folder that holds
  // both the program and the current directory is not searched.
  ASSERT_TRUE(LoadLibraryInside(program.handle(), program.id(), kPlantedDll));
  EXPECT_TRUE(ProcessesThatLoaded(downloads.planted()).empty()) << "loaded by its bare name";
  // By its full path it does load, so the call above really ran inside.
  ASSERT_TRUE(LoadLibraryInside(program.handle(), program.id(), downloads.planted()));
  EXPECT_EQ(ProcessesThatLoaded(downloads.planted()), std::vector<DWORD>{program.id()});

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// The window tree of a run of the program, just after start-up.
std::vector<std::wstring> WindowTreeOfARun(const std::wstring& arguments) {
  ChildProcess program(kProgram, arguments);
  HWND window = program.WaitForWindow(nullptr, kCaption);
  if (window == nullptr) return {L"no window"};
  std::vector<std::wstring> tree = DescribeWindowTree(window);
  PostMessageW(window, WM_CLOSE, 0, 0);
  if (program.WaitForExit() != 0u) tree.push_back(L"exit code not 0");
  return tree;
}

TEST(Configuration, ArgumentsAndEnvironmentChangeNothing) {
  const auto [plain, steered] = PlainAndHostileRuns(WindowTreeOfARun);
  ASSERT_GT(plain.size(), 1u);
  EXPECT_EQ(steered, plain);
}

}  // namespace
}  // namespace plimsett::test
