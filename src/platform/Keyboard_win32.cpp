#include "platform/Keyboard.h"

#include <windows.h>

namespace tokiwake {

bool IsKeyDown(uint16_t virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace tokiwake
