// Modal message boxes and the system beep.
#pragma once

#include <windows.h>

#include <optional>

#include "text/SjisText.h"

namespace tokiwake {

// A plain message: one OK button.
void ShowMessage(HWND owner, const Text& text, const Text& caption);
void SystemBeep();

// A question with a question icon and the buttons "はい(&Y)" (default) and "いいえ(&N)"; Esc
// answers No. True only for Yes.
bool AskYesNo(HWND owner, const Text& text, const Text& caption);

}  // namespace tokiwake
