// The keys and mouse buttons as they are now, not as a message reported them.
#pragma once

#include <cstdint>

namespace tokiwake {

// True while the key or mouse button with this virtual-key code is held down.
bool IsKeyDown(uint16_t virtualKey);

}  // namespace tokiwake
