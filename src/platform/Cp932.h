// The boundary to Windows: code page 932 bytes to UTF-16 and back, code page named explicitly and
// never with best fit, so a character that code page 932 cannot hold is reported, not altered.
#pragma once

#include <string>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// A text that holds the code page 932 form of the folder kept by KeepExactFolder gets that folder's
// exact name back here.
std::wstring ToWide(std::string_view cp932);

// The program's own folder may have a name that code page 932 cannot hold (a user name such as
// José, an emoji): its code page 932 form then has "?" where those characters were, and no file
// beside the program could be reached by it. Kept here once at start-up, the folder is given its
// exact name back wherever its code page 932 form stands in a text that goes to Windows: paths of
// the settings and list files, Notepad's command line, messages. Since "?" cannot stand in a path,
// no other text holds that form. An empty or exactly held folder keeps nothing.
void KeepExactFolder(std::wstring_view folder);

struct Narrowed {
  Text text;   // the code page 932 form; characters without one appear as "?"
  bool exact;  // false when some character had no code page 932 form
};
Narrowed ToCp932(std::wstring_view wide);

// For texts whose exactness does not matter (window texts, messages).
inline Text Narrow(std::wstring_view wide) { return ToCp932(wide).text; }

}  // namespace tokiwake
