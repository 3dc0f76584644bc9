#include "rename/ExtensionMask.h"

#include <cstdint>

namespace tokiwake {

namespace {

// Compares the tail of each item, not the item's own extension, so ".jpg" and "peg" both count
// as registered while "*.jpeg" is listed; an item shorter than the tail is compared whole.
bool IsRegistered(const Text& extension, const std::vector<Text>& items) {
  const auto length = static_cast<int32_t>(extension.size());
  for (const Text& item : items) {
    if (RightChars(length, item) == extension) return true;
  }
  return false;
}

MaskDecision Refuse(MaskRefusal refusal) { return {{}, refusal}; }

}  // namespace

MaskDecision DecideNewMask(std::string_view typed, bool typedExactly,
                           const std::vector<Text>& items) {
  if (!typedExactly) return Refuse(MaskRefusal::NotHalfWidth);
  // Any double-byte character is refused just below, so lowering its trail byte cannot matter.
  Text extension = AsciiLower(typed);
  if (CountChars(extension) != static_cast<int32_t>(extension.size())) {
    return Refuse(MaskRefusal::NotHalfWidth);
  }
  if (extension.empty()) return Refuse(MaskRefusal::Silent);

  // Only the first "*" is forgiven (so "*.png" goes on as ".png"); a second one is caught below.
  if (SjisPos("*", extension) > 0) {
    SplitHead("*", extension);
    if (extension.empty()) return Refuse(MaskRefusal::ForbiddenChar);
  }
  if (HasBadNameChar(extension)) return Refuse(MaskRefusal::ForbiddenChar);

  // Tested before the dots are cut away: "x.jpg" is not a tail of "*.jpg", so it is added again.
  if (IsRegistered(extension, items)) return Refuse(MaskRefusal::AlreadyRegistered);

  while (SjisPos(".", extension) > 0) SplitHead(".", extension);
  if (extension.empty()) return Refuse(MaskRefusal::TrailingDot);

  return {"*." + extension, MaskRefusal::None};
}

Text RefusalMessage(MaskRefusal refusal) {
  switch (refusal) {
    case MaskRefusal::NotHalfWidth:
      return "登録する拡張子名は半角でお願いします！！";
    case MaskRefusal::ForbiddenChar:
      return "拡張子名に\\ / : * ? \" < > | は使えません！！";
    case MaskRefusal::AlreadyRegistered:
      return "その拡張子はすでに登録されています！！";
    case MaskRefusal::TrailingDot:
      return "拡張子の最後が”．”です！！";
    case MaskRefusal::None:
    case MaskRefusal::Silent:
      break;
  }
  return {};
}

}  // namespace tokiwake
