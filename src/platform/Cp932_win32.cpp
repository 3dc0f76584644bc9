#include "platform/Cp932.h"

#include <windows.h>

namespace tokiwake {

namespace {

constexpr UINT kCodePage = 932;

struct ExactFolder {
  std::wstring shown;  // its code page 932 form, converted back: "?" where characters were lost
  std::wstring exact;
};

ExactFolder& KeptFolder() {
  static ExactFolder folder;
  return folder;
}

std::wstring Converted(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kCodePage, 0, cp932.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, cp932.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring ToWide(std::string_view cp932) {
  std::wstring wide = Converted(cp932);
  const ExactFolder& folder = KeptFolder();
  if (folder.shown.empty()) return wide;
  for (size_t at = wide.find(folder.shown); at != std::wstring::npos;
       at = wide.find(folder.shown, at + folder.exact.size())) {
    wide.replace(at, folder.shown.size(), folder.exact);
  }
  return wide;
}

void KeepExactFolder(std::wstring_view folder) {
  const Narrowed narrowed = ToCp932(folder);
  KeptFolder() =
      narrowed.exact ? ExactFolder{} : ExactFolder{Converted(narrowed.text), std::wstring(folder)};
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
