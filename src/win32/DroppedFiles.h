// The paths of files dropped onto a window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/Cp932.h"

namespace tokiwake {

// Reads every dropped path whole, in the order the shell lists them, and releases the drop.
std::vector<Narrowed> TakeDroppedPaths(HDROP drop);

}  // namespace tokiwake
