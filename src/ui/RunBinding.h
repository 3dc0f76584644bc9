// What the main window keeps between the files of a walk.
#pragma once

#include <array>
#include <vector>

#include "rename/Walk.h"
#include "ui/rules/FramePace.h"
#include "win32/ChangeWatch.h"

namespace tokiwake {

// A check box's state as last read, kept until a message may have changed it.
struct WatchedCheck {
  bool Read(HWND box) {
    if (watch.ChangedSinceLastAsked(box))
      checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked;
  }
  ChangeWatch watch;
  bool checked = false;
};

struct RunBinding {
  // The extension list, the folder fields and the check boxes as last read, kept until the control
  // may have changed: the walk asks for them for every file.
  ChangeWatch targetListWatch;
  std::vector<TargetListItem> targetListItems;
  std::array<ChangeWatch, 2> folderFieldWatch;
  std::array<Text, 2> folderFieldTexts;
  WatchedCheck allFiles;        // chkAll
  WatchedCheck includeOldName;  // chkMotoFile
  // txt_Info as the run last set it, shown at the pace of the display.
  Text statusText;
  COLORREF statusColour = RGB(0, 0, 0);
  bool statusPending = false;  // set since it was last painted
  FramePace pace;
};

}  // namespace tokiwake
