// The files the program keeps in its own folder.
#pragma once

#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// Every run that handled a file writes their final paths here.
inline constexpr char kFolderListFileName[] = "FolderList.csv";
// The journal of the last run that renamed a file (hidden), which the undo takes back.
inline constexpr char kJournalFileName[] = "リネーム履歴.txt";
// The documents that ship with the program: the usage page in the help folder (or beside the
// program) and the ReadMe.
inline constexpr char kHelpFolderName[] = "help";
inline constexpr char kUsagePageName[] = "index.htm";
inline constexpr char kReadMeFileName[] = "ReadMe.txt";
// Written for the version dialog.
inline constexpr char kVersionPageName[] = "Version.htm";
inline constexpr char kMailIconName[] = "MailIcon.gif";

// The program file itself, every file it reads or writes beside itself and the help folder it
// ships with: a run that walks the program's folder leaves them as they are.
std::vector<Text> ProgramOwnFiles(const Text& programFileName);

}  // namespace tokiwake
