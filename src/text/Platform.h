// The two small platform operations that several parts of the program use.
#pragma once

#include <cstdint>

#include "text/SjisText.h"

namespace tokiwake {

// True while the key or mouse button with this virtual-key code is held down.
bool IsKeyDown(uint16_t virtualKey);

// Starts the program at `programPath` with `commandLine` handed over unchanged; never waits and
// never reports a failure.
void StartProgram(const Text& programPath, const Text& commandLine);

}  // namespace tokiwake
