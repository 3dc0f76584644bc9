// The files the program keeps in its own folder; their names are settings/ProgramFacts.h.
#pragma once

#include <vector>

#include "settings/ProgramFacts.h"
#include "text/SjisText.h"

namespace tokiwake {

// The program file itself, every file it reads or writes beside itself and the help folder it
// ships with: a run that walks the program's folder leaves them as they are.
std::vector<Text> ProgramOwnFiles(const Text& programFileName);

}  // namespace tokiwake
