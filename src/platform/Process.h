// Other programs the window opens documents in (Notepad, the browser).
#pragma once

#include "text/SjisText.h"

namespace tokiwake {

// Starts the program at `programPath` with `commandLine` handed over unchanged; never waits and
// never reports a failure.
void StartProgram(const Text& programPath, const Text& commandLine);

}  // namespace tokiwake
