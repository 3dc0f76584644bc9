// Where a window goes at start: centred on a rectangle of the work area's size at the origin; and
// where a dialog goes: centred on its owner.
#pragma once

#include <windows.h>

namespace tokiwake {

struct WindowPlace {
  int left;
  int top;
};

struct WorkArea {
  int left, top, right, bottom;
};

// The work area's own left and top are deliberately not added, and the division truncates toward
// zero, so a window larger than the work area gets a small negative position.
constexpr WindowPlace PlaceOnWorkArea(WorkArea work, int outerWidth, int outerHeight) {
  return {(work.right - work.left - outerWidth) / 2, (work.bottom - work.top - outerHeight) / 2};
}

// Moves the window where PlaceOnWorkArea puts it on the primary screen's work area.
void PlaceOnWorkArea(HWND window, int outerWidth, int outerHeight);

// Centres a dialog on its owner, or on the work area when it has none or the owner is minimised.
void CentreOnOwner(HWND dialog);

}  // namespace tokiwake
