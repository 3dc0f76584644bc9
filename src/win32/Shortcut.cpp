#include "win32/Shortcut.h"

#include <windows.h>
#include <assert.h>
#include <shlobj.h>

#include <cwchar>

#include "platform/Cp932.h"
#include "platform/Handles_win32.h"

namespace tokiwake {

namespace {

// One more than the room: a text that fills it was cut by the shell, and is refused like a longer
// one.
constexpr int kBufferLength = kShortcutTextRoom + 1;
using TextBuffer = wchar_t[kBufferLength];

bool Fits(const TextBuffer& wide, Text& text) {
  const size_t length = wcsnlen(wide, kBufferLength);
  if (length >= kShortcutTextRoom) return false;
  const Narrowed narrowed = ToCp932(std::wstring_view(wide, length));
  if (!narrowed.exact || narrowed.text.size() >= kShortcutTextRoom) return false;
  text = narrowed.text;
  return true;
}

}  // namespace

bool ReadShortcut(const Text& path, Text* TargetPath, Text* Arguments, Text* IconFile,
                  int* IconIndex) {
  // Asking for half of the icon location is a fault in the caller; stop in every build.
  if ((IconFile == nullptr) != (IconIndex == nullptr)) {
    _assert("NULL == IconFile && NULL == IconIndex || NULL != IconFile && NULL != IconIndex",
            __FILE__, __LINE__);
  }
  OleApartment ole;
  IShellLinkW* rawLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&rawLink)))) {
    return false;
  }
  const OwnedCom<IShellLinkW> link(rawLink);
  IPersistFile* rawFile = nullptr;
  if (FAILED(link.get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile)))) {
    return false;
  }
  const OwnedCom<IPersistFile> file(rawFile);
  if (FAILED(file.get()->Load(ToWide(path).c_str(), STGM_READ))) return false;

  TextBuffer buffer{};
  if (TargetPath != nullptr) {
    WIN32_FIND_DATAW found{};
    if (FAILED(link.get()->GetPath(buffer, kBufferLength, &found, SLGP_UNCPRIORITY)) ||
        !Fits(buffer, *TargetPath)) {
      return false;
    }
  }
  if (Arguments != nullptr) {
    buffer[0] = L'\0';
    if (FAILED(link.get()->GetArguments(buffer, kBufferLength)) || !Fits(buffer, *Arguments)) {
      return false;
    }
  }
  if (IconFile != nullptr) {
    buffer[0] = L'\0';
    if (FAILED(link.get()->GetIconLocation(buffer, kBufferLength, IconIndex)) ||
        !Fits(buffer, *IconFile)) {
      return false;
    }
  }
  return true;
}

}  // namespace tokiwake
