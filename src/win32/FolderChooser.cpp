#include "win32/FolderChooser.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/Cp932.h"

namespace tokiwake {

Text ChooseFolder(HWND owner, const Text& title) {
  const std::wstring wideTitle = ToWide(title);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;  // the desktop: every drive and folder can be reached
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (chosen == nullptr) return {};
  wchar_t path[MAX_PATH] = {};
  const bool hasPath = SHGetPathFromIDListW(chosen, path) != FALSE;
  CoTaskMemFree(chosen);
  if (!hasPath || path[0] == L'\0') return {};
  const Narrowed narrowed = ToCp932(path);
  return narrowed.exact ? narrowed.text : Text{};
}

}  // namespace tokiwake
