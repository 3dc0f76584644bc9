// The program's message loop, and the pump that a long handler runs to keep the window alive.
#pragma once

#include <windows.h>

namespace tokiwake {

// Dispatches every message that is waiting, with the dialog keys (Tab, Enter, Esc) of
// `dialogWindow` and of the windows it owns; a quit request met on the way is put back for the
// outer loop.
void PumpPendingMessages(HWND dialogWindow);

// Runs until the quit message; returns its exit code.
int RunMessageLoop(HWND dialogWindow);

}  // namespace tokiwake
