// The boundary to Windows: code page 932 bytes to UTF-16 and back, code page named explicitly and
// never with best fit, so a character that code page 932 cannot hold is reported, not altered.
// Paths go to Windows through ToWidePath (WidePath.h).
#pragma once

#include <string>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

std::wstring ToWide(std::string_view cp932);

struct Narrowed {
  Text text;   // the code page 932 form; characters without one appear as "?"
  bool exact;  // false when some character had no code page 932 form
};
Narrowed ToCp932(std::wstring_view wide);

// For texts whose exactness does not matter (window texts, messages).
inline Text Narrow(std::wstring_view wide) { return ToCp932(wide).text; }

}  // namespace tokiwake
