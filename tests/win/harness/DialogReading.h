// Finding and reading the dialogs a process shows: shared by the message-box answerers and the
// dialog driver.
#pragma once

#include <windows.h>

#include <vector>

#include "harness/Harness.h"

namespace tokiwake::test {

bool IsClass(HWND window, const wchar_t* name);
DWORD ProcessOf(HWND window);
// A visible dialog (class #32770) of the process, or null.
HWND FindVisibleDialog(DWORD processId);

// A box as read, with the handles of its visible buttons beside their captions.
struct OpenBox {
  HWND dialog = nullptr;
  SeenBox seen;
  std::vector<HWND> buttons;
};

// Its caption, its visible static texts joined by LF, and its visible push buttons.
OpenBox ReadBox(HWND dialog);

}  // namespace tokiwake::test
