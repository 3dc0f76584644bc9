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
  if (!typedExactly) return Refuse(MaskRefusal::kNotHalfWidth);
  // Any double-byte character is refused just below, so lowering its trail byte cannot matter.
  Text extension = AsciiLower(typed);
  if (CountChars(extension) != static_cast<int32_t>(extension.size())) {
    return Refuse(MaskRefusal::kNotHalfWidth);
  }
  if (extension.empty()) return Refuse(MaskRefusal::kSilent);

  // Only the first "*" is forgiven (so "*.png" goes on as ".png"); a second one is caught below.
  if (SjisPos("*", extension) > 0) {
    SplitHead("*", extension);
    if (extension.empty()) return Refuse(MaskRefusal::kForbiddenChar);
  }
  if (HasBadNameChar(extension)) return Refuse(MaskRefusal::kForbiddenChar);

  // Tested before the dots are cut away: "x.jpg" is not a tail of "*.jpg", so it is added again.
  if (IsRegistered(extension, items)) return Refuse(MaskRefusal::kAlreadyRegistered);

  while (SjisPos(".", extension) > 0) SplitHead(".", extension);
  if (extension.empty()) return Refuse(MaskRefusal::kTrailingDot);

  return {"*." + extension, MaskRefusal::kNone};
}

Text RefusalMessage(MaskRefusal refusal) {
  switch (refusal) {
    case MaskRefusal::kNotHalfWidth:
      return "登録する拡張子名は半角でお願いします！！";
    case MaskRefusal::kForbiddenChar:
      return "拡張子名に\\ / : * ? \" < > | は使えません！！";
    case MaskRefusal::kAlreadyRegistered:
      return "その拡張子はすでに登録されています！！";
    case MaskRefusal::kTrailingDot:
      return "拡張子の最後が”．”です！！";
    case MaskRefusal::kNone:
    case MaskRefusal::kSilent:
      break;
  }
  return {};
}

}  // namespace tokiwake
