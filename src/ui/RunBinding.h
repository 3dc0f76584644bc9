// What the main window keeps between the files of a walk.
#pragma once

#include <array>

#include "rename/RunWindow.h"
#include "ui/rules/FramePace.h"
#include "win32/ChangeWatch.h"

namespace tokiwake {

struct RunBinding {
  // The inputs of a run, and a watch on each control they are read from: they are read again only
  // after a message that may have changed the control, since the walk asks for them for every file.
  RunInputs inputs;
  std::array<ChangeWatch, 2> folderFieldWatch;
  ChangeWatch targetListWatch;
  ChangeWatch allFilesWatch;
  ChangeWatch includeOldNameWatch;
  ChangeWatch shotDateWatch;
  // txt_Info as the run last set it, shown at the pace of the display.
  Text statusText;
  COLORREF statusColour = RGB(0, 0, 0);
  bool statusPending = false;  // set since it was last painted
  FramePace pace;
};

}  // namespace tokiwake
