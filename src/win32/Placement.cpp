#include "win32/Placement.h"

namespace tokiwake {

void PlaceOnWorkArea(HWND window, int outerWidth, int outerHeight) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const WindowPlace place =
      PlaceOnWorkArea({work.left, work.top, work.right, work.bottom}, outerWidth, outerHeight);
  SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace tokiwake
