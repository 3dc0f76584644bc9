// Reading a shell shortcut (.lnk file) through the shell's own link object.
#pragma once

#include <cstddef>

#include "text/SjisText.h"

namespace tokiwake {

// Room for each text that a shortcut gives, its terminating zero included.
inline constexpr size_t kShortcutTextRoom = 260;

// Reads the shortcut at `path`; each output is optional (null: not wanted). The icon file and the
// icon index are wanted together or not at all: asking for one alone stops the program. False
// when the shortcut cannot be read or a wanted text does not fit the room exactly in code page 932.
bool ReadShortcut(const Text& path, Text* TargetPath, Text* Arguments, Text* IconFile,
                  int* IconIndex);

}  // namespace tokiwake
