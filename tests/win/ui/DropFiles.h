// Drops as the shell makes them, and shortcuts made with the shell's own link object.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {

// Puts the pointer over the middle of `under` and posts a drop of the paths to `window` in the
// shell's form: a DROPFILES block of wide paths, each ended by a zero, and one zero more.
inline void PostDropWide(HWND window, HWND under, const std::vector<std::wstring>& paths) {
  RECT rc{};
  GetWindowRect(under, &rc);
  SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  const size_t bytes = sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  ASSERT_TRUE(PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0));
}

inline void PostDrop(HWND window, HWND under, const std::vector<Text>& paths) {
  std::vector<std::wstring> wide;
  for (const Text& path : paths) wide.push_back(ToWide(path));
  PostDropWide(window, under, wide);
}

// Posts the drop and handles it.
inline void Drop(HWND window, HWND under, const std::vector<Text>& paths) {
  PostDrop(window, under, paths);
  PumpMessages();
}

// Saves a shortcut file, replacing one that is there.
inline void MakeShortcut(const Text& path, const Text& target) {
  IShellLinkW* link = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, reinterpret_cast<void**>(&link))));
  link->SetPath(ToWide(target).c_str());
  IPersistFile* file = nullptr;
  HRESULT saved = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(saved)) {
    saved = file->Save(ToWide(path).c_str(), TRUE);
    file->Release();
  }
  link->Release();
  ASSERT_TRUE(SUCCEEDED(saved)) << "could not save the shortcut " << ForLog(path);
}

}  // namespace tokiwake::test
