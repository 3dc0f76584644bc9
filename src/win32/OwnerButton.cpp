#include "win32/OwnerButton.h"

#include <string>

namespace tokiwake {

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF textColour) {
  HWND button = item.hwndItem;
  RECT rc = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;

  if (focused) {
    FrameRect(item.hDC, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rc, -1, -1);
  }
  DrawFrameControl(item.hDC, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const int length = GetWindowTextLengthW(button);
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  caption.resize(static_cast<size_t>(GetWindowTextW(button, caption.data(), length + 1)));
  HGDIOBJ oldFont =
      SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, enabled ? textColour : GetSysColor(COLOR_GRAYTEXT));
  RECT textRect = rc;
  if (pressed) OffsetRect(&textRect, 1, 1);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &textRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, oldFont);

  if (focused) {
    RECT focus = rc;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace tokiwake
