// The main window's state that the rename run, the walk and the name pattern share. The window owns
// it for its whole life and hands it to them; the fields keep the names the rest of the program
// knows them by, in that order.
#pragma once

#include <cstdint>

#include "text/SjisText.h"

namespace tokiwake {

struct RunState {
  // The counter that the pattern's cnt tokens print and the walk raises on a clash.
  int32_t FileCounter = 0;
  // 0 while folder 1 is walked, 1 while folder 2 is.
  int32_t InSecondFolder = 0;
  // Set by the abort button, cleared when a run starts, tested by the walk.
  bool AbortRequested = false;
  // What the run writes to FolderList.csv: one path and CR LF per file handled.
  Text FolderListText;
  // The program's folder and the Windows folder, each ending in "\".
  Text ExeFolder;
  Text WinFolder;
  // The program file's own name in ExeFolder ("tokiwake.exe"), which no run renames.
  Text ProgramName;
  // The folder in play, and the one last chosen in the folder chooser ("" after a cancel).
  Text CurFolder;
  Text PickedFolder;
  // The name pattern in use; the pattern box's text, unless a run replaced an unusable one.
  Text RenameFormat;
};

}  // namespace tokiwake
