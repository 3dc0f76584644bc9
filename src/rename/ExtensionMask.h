// Turns what the user typed into the add box into a new mask for the extension list, or says
// which refusal to show. The window only asks and shows; every rule lives here.
#pragma once

#include <string_view>
#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

enum class MaskRefusal {
  kNone,               // a mask was made
  kSilent,             // nothing to add and nothing to say (an empty input)
  kNotHalfWidth,       // a double-byte character, or one code page 932 cannot hold
  kForbiddenChar,      // one of \ / : * ? " < > |, or nothing after the "*"
  kAlreadyRegistered,  // some item already ends with the extension
  kTrailingDot,        // nothing follows the last "."
};

struct MaskDecision {
  Text mask;  // "*." + extension when refusal is kNone, else empty
  MaskRefusal refusal = MaskRefusal::kNone;
};

// `typed` is the input as code page 932; `typedExactly` is false when some typed character had
// no code page 932 form (its stand-in "?" must not decide the outcome). `items` are the texts of
// every list item, ticked or not.
MaskDecision DecideNewMask(std::string_view typed, bool typedExactly,
                           const std::vector<Text>& items);

// The message box text of a refusal; empty for kNone and kSilent.
Text RefusalMessage(MaskRefusal refusal);

}  // namespace tokiwake
