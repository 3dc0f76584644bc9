// The Notepad windows that a rename run opens on its list file. A run starts the real Notepad of
// the Windows folder, so every test that lets a run finish closes the window it opened.
#pragma once

#include <windows.h>
// windows.h first: tlhelp32.h needs its definitions.
#include <tlhelp32.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "harness/Harness.h"
#include "text/Cp932.h"

namespace tokiwake::test {

namespace notepad_detail {

struct Search {
  std::wstring title;
  std::vector<HWND> found;
};

inline BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpiW(name, L"Notepad") != 0) return TRUE;
  wchar_t title[512] = {};
  GetWindowTextW(window, title, 512);
  // The title reads "FolderList.csv - " and the editor's name in the user's language.
  if (std::wstring_view(title).starts_with(search->title)) search->found.push_back(window);
  return TRUE;
}

inline BOOL CALLBACK Describe(HWND window, LPARAM parameter) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  *reinterpret_cast<std::string*>(parameter) +=
      " [" + ForLog(Narrow(name)) + ": " + ForLog(Narrow(title)) + "]";
  return TRUE;
}

}  // namespace notepad_detail

// The visible top-level windows, for a failure message.
inline std::string VisibleWindows() {
  std::string text;
  EnumWindows(notepad_detail::Describe, reinterpret_cast<LPARAM>(&text));
  return text;
}

// Top-level Notepad windows whose title begins with the file name.
inline std::vector<HWND> NotepadWindowsShowing(std::string_view fileName) {
  notepad_detail::Search search{ToWide(fileName), {}};
  EnumWindows(notepad_detail::Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Closes them and waits until they have gone.
inline void CloseNotepadsShowing(std::string_view fileName) {
  for (HWND window : NotepadWindowsShowing(fileName)) PostMessageW(window, WM_CLOSE, 0, 0);
  WaitUntil([&] { return NotepadWindowsShowing(fileName).empty(); });
}

// Closes every Notepad window of a process that this process started, whatever file it shows, so
// that a run whose Notepad opened nothing leaves no window behind either.
inline void CloseNotepadsStartedHere() {
  std::vector<DWORD> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W process{};
  process.dwSize = sizeof process;
  for (BOOL more = Process32FirstW(snapshot, &process); more;
       more = Process32NextW(snapshot, &process)) {
    if (process.th32ParentProcessID == GetCurrentProcessId()) {
      children.push_back(process.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  // Ended, not only closed: a Notepad on its way out still takes the focus from the next test.
  std::vector<HANDLE> ending;
  for (HWND window : NotepadWindowsShowing("")) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (std::find(children.begin(), children.end(), owner) == children.end()) continue;
    if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, owner)) ending.push_back(process);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  for (HANDLE process : ending) {
    WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; });
    CloseHandle(process);
  }
}

// Waits for a Notepad window showing the file; false when none came.
inline bool NotepadCame(std::string_view fileName, Milliseconds timeout = Milliseconds(20'000)) {
  return WaitUntil([&] { return !NotepadWindowsShowing(fileName).empty(); }, timeout);
}

}  // namespace tokiwake::test
