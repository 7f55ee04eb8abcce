#include "child_process.h"

#include <algorithm>
#include <cstdio>

namespace plimsett::test {
namespace {

// How long to wait for a window, a box or an exit before calling it a
// failure. Generous: the first start in a fresh Wine prefix is slow.
constexpr DWORD kPatienceMs = 30000;
constexpr DWORD kPollMs = 50;

struct WindowQuery {
  DWORD process;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto& query = *reinterpret_cast<WindowQuery*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != query.process || !IsWindowVisible(window)) return TRUE;
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (query.className != nullptr && std::wstring_view(className) != query.className) return TRUE;
  if (WindowText(window) != query.caption) return TRUE;
  query.found = window;
  return FALSE;
}

BOOL CALLBACK CollectButton(HWND child, LPARAM lParam) {
  wchar_t className[16] = {};
  GetClassNameW(child, className, 16);
  if (CompareStringOrdinal(className, -1, L"Button", -1, TRUE) == CSTR_EQUAL) {
    reinterpret_cast<std::vector<int>*>(lParam)->push_back(GetDlgCtrlID(child));
  }
  return TRUE;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring WindowsPathOf(std::string_view hostPath) {
  std::wstring path = L"Z:";
  for (char c : hostPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.rfind(L'\\')); }

ScratchFolder::ScratchFolder(std::wstring_view name) {
  static unsigned serial = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t unique[32];
  std::swprintf(unique, 32, L"-%lu-%u", GetCurrentProcessId(), ++serial);
  path_ = std::wstring(temp) + L"plimsett-" + std::wstring(name) + unique;
  CreateDirectoryW(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::vector<std::wstring> ReadLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::wstring text;
  wchar_t buffer[1024];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    text.append(buffer, got / sizeof(wchar_t));
  }
  CloseHandle(file);
  for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments,
                           const std::wstring& folder) {
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kPatienceMs);
  }
  CloseHandle(process_);
}

HWND ChildProcess::WaitForWindow(const wchar_t* className, const wchar_t* caption) const {
  for (DWORD waited = 0;; waited += kPollMs) {
    // Checked before the search: a process that has ended shows nothing more.
    const bool ended = WaitForSingleObject(process_, 0) != WAIT_TIMEOUT;
    WindowQuery query{id_, className, caption};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    if (query.found != nullptr || ended || waited >= kPatienceMs) return query.found;
    Sleep(kPollMs);
  }
}

std::optional<MessageBoxSeen> ChildProcess::WaitForMessageBox(const wchar_t* caption) const {
  HWND box = WaitForWindow(L"#32770", caption);
  if (box == nullptr) return std::nullopt;
  MessageBoxSeen seen;
  seen.window = box;
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  seen.owner = GetWindow(box, GW_OWNER);
  EnumChildWindows(box, CollectButton, reinterpret_cast<LPARAM>(&seen.buttons));
  std::sort(seen.buttons.begin(), seen.buttons.end());
  return seen;
}

std::optional<DWORD> ChildProcess::WaitForExit() {
  if (process_ == nullptr || WaitForSingleObject(process_, kPatienceMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      kPatienceMs, nullptr);
  return text;
}

}  // namespace plimsett::test
