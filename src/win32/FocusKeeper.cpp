#include "win32/FocusKeeper.h"

namespace tokiwake {

bool FocusKeeper::OnActivate(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window, focus)) remembered_ = focus;
    return false;
  }
  if (HIWORD(wParam) != 0) return false;  // minimised: the focus waits for the restore
  HWND target = remembered_ != nullptr && IsChild(window, remembered_)
                    ? remembered_
                    : GetNextDlgTabItem(window, nullptr, FALSE);
  if (target == nullptr) return false;
  SetFocus(target);
  return true;
}

}  // namespace tokiwake
