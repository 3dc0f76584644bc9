// Text on the clipboard.
#pragma once

#include <optional>

#include "text/SjisText.h"

namespace tokiwake {

// The clipboard's text as code page 932, or nothing when it holds no text.
std::optional<Text> ClipboardText();

}  // namespace tokiwake
