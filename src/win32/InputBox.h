// A modal box that asks for one line of text, built from a template in memory so that the
// program needs no dialog resource.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/Cp932.h"

namespace tokiwake {

struct TextRequest {
  Text title;            // the box's caption
  Text prompt;           // the label above the edit
  int maxChars;          // the most the edit takes
  const char* fontFace;  // the box's font, 9 pt
};

// The caption and the label above an empty one-line edit, OK (also Enter) and Cancel (also Esc);
// centred on the owner. The typed text comes back as code page 932 with a note of whether every
// character had a form there; nothing when the user cancels.
std::optional<Narrowed> AskForText(HWND owner, const TextRequest& request);

}  // namespace tokiwake
