// Small operations on path texts.
#pragma once

#include "text/SjisText.h"

namespace tokiwake {

// Everything up to and including the last "\" or ":" (never one inside a double-byte character);
// empty when there is none.
Text FolderPart(std::string_view path);

// True when the last character is a backslash of its own (ソ ends in the byte 0x5C too).
bool EndsInBackslash(std::string_view path);

// The text with "\" appended unless it already ends in one.
Text WithTrailingBackslash(std::string_view path);

}  // namespace tokiwake
