// Push buttons are drawn by the owner so that their captions can carry a colour.
#pragma once

#include <windows.h>

namespace tokiwake {

// Lets Enter press the button while it has the focus, as it presses any push button. An
// owner-drawn button tells the dialog keys only that it is a button, so without this Enter would
// become the window's default command instead.
void AttachOwnerButton(HWND button);

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF textColour);

}  // namespace tokiwake
