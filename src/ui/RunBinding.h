// What the main window keeps between the files of a walk.
#pragma once

#include <array>
#include <vector>

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
  // txt_Info is painted with the text and colour it now holds.
  bool statusShown = false;
};

}  // namespace tokiwake
