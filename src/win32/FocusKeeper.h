// Where the keyboard focus goes when a window becomes active, as in a dialog: back to the control
// that had it before a message box or another program took it, else to the first tab stop, so
// that keys typed as soon as the window appears are not lost.
#pragma once

#include <windows.h>

namespace tokiwake {

class FocusKeeper {
 public:
  // For WM_ACTIVATE. True when the focus has been placed, and the default handling, which would
  // give it to the window itself, must not run.
  bool OnActivate(HWND window, WPARAM wParam);

 private:
  HWND remembered_ = nullptr;
};

}  // namespace tokiwake
