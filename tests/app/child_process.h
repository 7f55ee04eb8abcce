// Runs a program as a process of its own and watches it from outside, as a
// user would: its windows, its message boxes, its exit code.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plimsett::test {

// A path of the Linux side as the program under Wine sees it (drive Z:).
std::wstring WindowsPathOf(std::string_view hostPath);

// The folder part of a Windows path, without the last backslash.
std::wstring FolderOf(const std::wstring& path);

// A fresh, empty folder under the temporary folder, removed again with
// everything in it when the object goes.
class ScratchFolder {
 public:
  explicit ScratchFolder(std::wstring_view name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// The lines of a UTF-16 text file, or none when it does not exist.
std::vector<std::wstring> ReadLines(const std::wstring& path);

// A message box as its program shows it.
struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring text;
  HWND owner = nullptr;
  std::vector<int> buttons;  // the control ids of its push buttons
};

class ChildProcess {
 public:
  // Starts `program` with `arguments` (already quoted as they are to stand
  // on the command line), in `folder`, or in the caller's current
  // directory when that is empty.
  ChildProcess(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& folder = {});
  // A process still running at the end of a test is ended.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_; }

  // A visible top-level window of this process with that class (any class
  // when null) and caption, once it has appeared; null if none comes.
  HWND WaitForWindow(const wchar_t* className, const wchar_t* caption) const;

  // The message box with the caption, once it is up.
  std::optional<MessageBoxSeen> WaitForMessageBox(const wchar_t* caption) const;

  // The exit code, once the process has ended; nothing if it does not end.
  std::optional<DWORD> WaitForExit();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Presses a message box's OK button.
void PressOk(HWND box);

// The text of a window of another process.
std::wstring WindowText(HWND window);

}  // namespace plimsett::test
