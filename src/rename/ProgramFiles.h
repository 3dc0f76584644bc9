// The files the program keeps in its own folder.
#pragma once

#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// Every run that handled a file writes their final paths here.
inline constexpr char kFolderListFileName[] = "FolderList.csv";

// The program file itself and every file it reads or writes beside itself: a run that walks the
// program's folder leaves them as they are.
std::vector<Text> ProgramOwnFiles(const Text& programFileName);

}  // namespace tokiwake
