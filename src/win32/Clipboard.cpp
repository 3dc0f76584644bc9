#include "win32/Clipboard.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "platform/Cp932.h"

namespace tokiwake {

Text TextInClipboardBlock(const void* block, size_t bytes) {
  const auto* chars = static_cast<const wchar_t*>(block);
  const wchar_t* end = chars + bytes / sizeof(wchar_t);
  return Narrow(
      std::wstring_view(chars, static_cast<size_t>(std::find(chars, end, L'\0') - chars)));
}

std::optional<Text> ClipboardText() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return std::nullopt;
  std::optional<Text> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const void* block = GlobalLock(data)) {
      text = TextInClipboardBlock(block, GlobalSize(data));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace tokiwake
