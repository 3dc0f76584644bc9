// The two settings formats as texts: the extension list file holds one item per CR LF ended line;
// the rename-format file holds the pattern, of which only the first line is read back.
#pragma once

#include <string_view>
#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// One item per line ended by CR LF; an empty line is an empty item; bytes after the last CR LF are
// not an item. The text ends at its first NUL.
std::vector<Text> ParseListText(std::string_view text);

// Every item followed by CR LF; no items give the empty text.
Text FormatListText(const std::vector<Text>& items);

// The bytes before the first CR LF, or the whole text without one; the text ends at its first NUL.
Text FirstLine(std::string_view text);

}  // namespace tokiwake
