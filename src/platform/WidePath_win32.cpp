#include "platform/WidePath.h"

#include "platform/Cp932.h"

namespace tokiwake {

namespace {

struct ExactFolder {
  std::wstring shown;  // its code page 932 form, converted back: "?" where characters were lost
  std::wstring exact;
};

ExactFolder& KeptFolder() {
  static ExactFolder folder;
  return folder;
}

}  // namespace

void KeepExactFolder(std::wstring_view folder) {
  const Narrowed narrowed = ToCp932(folder);
  KeptFolder() =
      narrowed.exact ? ExactFolder{} : ExactFolder{ToWide(narrowed.text), std::wstring(folder)};
}

std::wstring ToWidePath(std::string_view cp932) {
  std::wstring wide = ToWide(cp932);
  const ExactFolder& folder = KeptFolder();
  if (folder.shown.empty()) return wide;
  for (size_t at = wide.find(folder.shown); at != std::wstring::npos;
       at = wide.find(folder.shown, at + folder.exact.size())) {
    wide.replace(at, folder.shown.size(), folder.exact);
  }
  return wide;
}

}  // namespace tokiwake
