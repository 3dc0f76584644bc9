// The shell's folder chooser.
#pragma once

#include <windows.h>

#include "text/SjisText.h"

namespace tokiwake {

// The shell's folder browser rooted at the desktop, file-system folders only, nothing
// preselected. Returns "" when the user cancels or the selection has no path that code page 932
// can hold exactly.
Text ChooseFolder(HWND owner, const Text& title);

}  // namespace tokiwake
