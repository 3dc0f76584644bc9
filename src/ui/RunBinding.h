// What the main window keeps between the files of a walk.
#pragma once

#include <array>
#include <vector>

#include "rename/FramePace.h"
#include "rename/Walk.h"
#include "win32/ChangeWatch.h"

namespace tokiwake {

struct RunBinding {
  // The extension list and the folder fields as last read, kept until the control may have
  // changed: the walk asks for them for every file.
  ChangeWatch targetListWatch;
  std::vector<TargetListItem> targetListItems;
  std::array<ChangeWatch, 2> folderFieldWatch;
  std::array<Text, 2> folderFieldTexts;
  // txt_Info as the run last set it, shown at the pace of the display.
  Text statusText;
  COLORREF statusColour = RGB(0, 0, 0);
  bool statusPending = false;  // set since it was last painted
  FramePace pace;
};

}  // namespace tokiwake
