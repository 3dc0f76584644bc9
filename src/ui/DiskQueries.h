// Existence tests on path texts, through the wide functions.
#pragma once

#include "text/SjisText.h"

namespace tokiwake {

bool FolderExists(const Text& path);  // an existing directory; relative texts from the current one
bool FileExists(const Text& path);    // an existing file; false for a folder

}  // namespace tokiwake
