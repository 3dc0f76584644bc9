// Push buttons are drawn by the owner so that their captions can carry a colour.
#pragma once

#include <windows.h>

namespace tokiwake {

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF textColour);

}  // namespace tokiwake
