// The dpi a window is shown at, and window sizes that follow it. A window is laid out at 96 dpi;
// on a screen of more dots the client area grows by the ratio and the frame is the system's.
#pragma once

#include <windows.h>

#include "win32/ControlRow.h"

namespace tokiwake {

// The window's own dpi (Windows 10 1607 and later), else its monitor's (8.1), else the screen's: a
// program that must start on Windows 7 and under Wine asks for the newer functions by name.
int DpiOf(HWND window);

// The outer size whose client area is `client` at `dpi`, with the frame as the system draws it
// there.
SIZE OuterForClient(SIZE client, DWORD style, DWORD exStyle, bool menu, int dpi);

// The outer size at `dpi` of a window that is `outer` at 96 dpi: the same size at 96 dpi, else its
// 96-dpi client area scaled inside the frame of `dpi`.
SIZE ScaleOuter(SIZE outer, DWORD style, DWORD exStyle, bool menu, int dpi);

inline RECT ScaleRect(const RECT& at, int dpi) {
  return {ScaleForDpi(at.left, dpi), ScaleForDpi(at.top, dpi), ScaleForDpi(at.right, dpi),
          ScaleForDpi(at.bottom, dpi)};
}

// For WM_DPICHANGED: moves the window to the place the system suggests with the new dpi.
void TakeSuggestedPlace(HWND window, LPARAM lParam);

}  // namespace tokiwake
