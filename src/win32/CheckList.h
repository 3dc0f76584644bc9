// A list box whose items carry a tick box, drawn by the owner.
#pragma once

#include <windows.h>

#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

struct CheckItem {
  Text text;
  bool ticked;
};

// Lets a click on an item's tick box, or the space bar, toggle the tick.
void AttachCheckList(HWND list);
void DrawCheckItem(const DRAWITEMSTRUCT& item);

int CheckItemCount(HWND list);
Text CheckItemText(HWND list, int index);
bool IsTicked(HWND list, int index);
void SetTicked(HWND list, int index, bool ticked);
void AddCheckItem(HWND list, const Text& text, bool ticked);
std::vector<CheckItem> CheckItems(HWND list);
void ReplaceCheckItems(HWND list, const std::vector<Text>& texts, bool ticked);

}  // namespace tokiwake
