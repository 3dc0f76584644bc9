#include "platform/Cp932.h"

#include <windows.h>

namespace tokiwake {

namespace {
constexpr UINT kCodePage = 932;
}

std::wstring ToWide(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kCodePage, 0, cp932.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, cp932.data(), size, wide.data(), length);
  return wide;
}

Narrowed ToCp932(std::wstring_view wide) {
  if (wide.empty()) return {{}, true};
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                         nullptr, 0, "?", &usedDefault);
  Text text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length, "?",
                      &usedDefault);
  return {std::move(text), usedDefault == FALSE};
}

}  // namespace tokiwake
