// The Notepad windows that the real program opens, on its list file or its ReadMe; the test that
// made one come closes it.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

struct NotepadSearch {
  std::wstring title;
  std::vector<HWND> found;
};

inline BOOL CALLBACK CollectNotepad(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<NotepadSearch*>(parameter);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpiW(name, L"Notepad") != 0) return TRUE;
  wchar_t title[512] = {};
  GetWindowTextW(window, title, 512);
  // The title reads "FolderList.csv - " and the editor's name in the user's language.
  if (std::wstring_view(title).starts_with(search->title)) search->found.push_back(window);
  return TRUE;
}

inline BOOL CALLBACK DescribeVisible(HWND window, LPARAM parameter) {
  if (!IsWindowVisible(window)) return TRUE;
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  *reinterpret_cast<std::string*>(parameter) +=
      " [" + ForLog(Narrow(name)) + ": " + ForLog(Narrow(title)) + "]";
  return TRUE;
}

// The visible top-level windows, for a failure message.
inline std::string VisibleWindows() {
  std::string text;
  EnumWindows(DescribeVisible, reinterpret_cast<LPARAM>(&text));
  return text;
}

// Top-level Notepad windows whose title begins with the file name.
inline std::vector<HWND> NotepadWindowsShowing(std::string_view fileName) {
  NotepadSearch search{ToWide(fileName), {}};
  EnumWindows(CollectNotepad, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Closes them and waits until they have gone.
inline void CloseNotepadsShowing(std::string_view fileName) {
  for (HWND window : NotepadWindowsShowing(fileName)) PostMessageW(window, WM_CLOSE, 0, 0);
  WaitUntil([&] { return NotepadWindowsShowing(fileName).empty(); });
}

// Waits for a Notepad window showing the file; false when none came.
inline bool NotepadCame(std::string_view fileName, Milliseconds timeout = Milliseconds(20'000)) {
  return WaitUntil([&] { return !NotepadWindowsShowing(fileName).empty(); }, timeout);
}

}  // namespace tokiwake::test
