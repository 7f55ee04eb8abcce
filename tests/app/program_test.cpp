// plimsett.exe from start to end, as a user starts and closes it: its own
// folder as the current directory whatever it was started from, arguments
// ignored, copies side by side, and exit code 0 however the window closes.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>

#include "child_process.h"

namespace plimsett::test {
namespace {

const std::wstring kProgram = WindowsPathOf(PLIMSETT_PROGRAM);
constexpr wchar_t kCaption[] = L"Plimsett - Orvandy";

// Where RTL_USER_PROCESS_PARAMETERS keeps CurrentDirectory.DosPath: after
// four ULONGs and five pointer-sized fields (console handle and flags, the
// three standard handles).
constexpr std::size_t kCurrentDirectoryOffset = 16 + 5 * sizeof(void*);

// The current directory of another process, read from its process block;
// empty when it cannot be read.
std::wstring CurrentDirectoryOf(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  PEB peb{};
  UNICODE_STRING path{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
          0 ||
      !ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr) ||
      !ReadProcessMemory(process,
                         reinterpret_cast<char*>(peb.ProcessParameters) + kCurrentDirectoryOffset,
                         &path, sizeof path, nullptr)) {
    return {};
  }
  std::wstring text(path.Length / sizeof(wchar_t), L'\0');
  if (!ReadProcessMemory(process, path.Buffer, text.data(), path.Length, nullptr)) return {};
  return text;
}

struct CloseWay {
  const char* name;
  void (*close)(HWND window, DWORD thread);
};

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.end(); key != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

const CloseWay kCloseWays[] = {
    {"CloseRequest", [](HWND window, DWORD) { PostMessageW(window, WM_CLOSE, 0, 0); }},
    {"SystemMenuClose",
     [](HWND window, DWORD) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"Escape",
     [](HWND, DWORD thread) {
       // Posted to the focused control, as the key would be queued for it.
       GUITHREADINFO info{};
       info.cbSize = sizeof info;
       GetGUIThreadInfo(thread, &info);
       PostMessageW(info.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
       PostMessageW(info.hwndFocus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
     }},
    {"AltF4",
     [](HWND window, DWORD) {
       SetForegroundWindow(window);
       PressKeys({VK_MENU, VK_F4});
     }},
};

class ClosingTest : public testing::TestWithParam<CloseWay> {};

TEST_P(ClosingTest, EndsTheProgramWithExitCodeZero) {
  ChildProcess program(kProgram, L"");
  ASSERT_TRUE(program.started());
  HWND window = program.WaitForWindow(nullptr, kCaption);
  ASSERT_NE(window, nullptr);
  GetParam().close(window, GetWindowThreadProcessId(window, nullptr));
  EXPECT_EQ(program.WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingTest, testing::ValuesIn(kCloseWays),
                         [](const testing::TestParamInfo<CloseWay>& param) {
                           return param.param.name;
                         });

TEST(Program, RunsInItsOwnFolderWhereverStartedAndIgnoresArguments) {
  // 淺 is 0x9C 0x5C in code page 936: its second byte is a backslash's.
  ScratchFolder scratch(L"program");
  const std::wstring folder = scratch.path() + L"\\字节淺";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring copy = folder + L"\\程序淺.exe";
  ASSERT_TRUE(CopyFileW(kProgram.c_str(), copy.c_str(), FALSE));
  wchar_t elsewhere[MAX_PATH];
  GetSystemDirectoryW(elsewhere, MAX_PATH);
  {
    ChildProcess program(copy, L"/? --help 97,98", elsewhere);
    ASSERT_TRUE(program.started());
    HWND window = program.WaitForWindow(nullptr, kCaption);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(CurrentDirectoryOf(program.handle()), folder + L"\\");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
  }
  DeleteFileW(copy.c_str());
}

TEST(Program, TwoCopiesRunSideBySide) {
  ChildProcess first(kProgram, L"");
  ChildProcess second(kProgram, L"");
  HWND firstWindow = first.WaitForWindow(nullptr, kCaption);
  HWND secondWindow = second.WaitForWindow(nullptr, kCaption);
  ASSERT_NE(firstWindow, nullptr);
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_NE(firstWindow, secondWindow);
  PostMessageW(firstWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.WaitForExit(), 0u);
  EXPECT_TRUE(IsWindow(secondWindow)) << "closing one copy ended the other";
  PostMessageW(secondWindow, WM_CLOSE, 0, 0);
  EXPECT_EQ(second.WaitForExit(), 0u);
}

}  // namespace
}  // namespace plimsett::test
