// Text on the clipboard.
#pragma once

#include <cstddef>
#include <optional>

#include "text/SjisText.h"

namespace tokiwake {

// The clipboard's text as code page 932, or nothing when it holds no text.
std::optional<Text> ClipboardText();

// The text of a clipboard block of `bytes` bytes: up to its first NUL, and never past its end,
// since the program that filled it need not have ended it with one.
Text TextInClipboardBlock(const void* block, size_t bytes);

}  // namespace tokiwake
