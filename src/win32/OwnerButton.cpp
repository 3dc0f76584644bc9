#include "win32/OwnerButton.h"

#include <commctrl.h>

#include <string>

namespace tokiwake {

namespace {

// The black frame of the focused button, the raised edge inside it, and the focus rectangle.
constexpr int kFocusFrame = 1;
constexpr int kEdge = 2;
constexpr int kFocusLine = 1;
constexpr LPARAM kKeyWasDown = 1 << 30;

bool IsEnterKeyDown(LPARAM dialogMessage) {
  const auto* msg = reinterpret_cast<const MSG*>(dialogMessage);
  return msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

LRESULT CALLBACK OwnerButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  if (message == WM_GETDLGCODE && IsEnterKeyDown(lParam)) {
    return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTMESSAGE;
  }
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    // A held key presses once: its repeats would reach whatever the first press opened.
    if ((lParam & kKeyWasDown) == 0) {
      SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    }
    return 0;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

std::wstring CaptionOf(HWND button) {
  const int length = GetWindowTextLengthW(button);
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  caption.resize(static_cast<size_t>(GetWindowTextW(button, caption.data(), length + 1)));
  return caption;
}

// The caption's cell, centred in what the frame, the edge and the focus rectangle leave free, by
// its glyphs rather than its cell: the internal leading above them is blank, and centring the cell
// would push the baseline (and a caption of dots) onto the focus rectangle of a low button. The
// place is the same with or without the focus, so the caption does not move when it comes.
RECT CaptionRect(HDC dc, const RECT& button) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  constexpr int inset = kFocusFrame + kEdge + kFocusLine;
  const int free = (button.bottom - button.top) - 2 * inset;
  const int glyphs = metrics.tmHeight - metrics.tmInternalLeading;
  const int top = button.top + inset + (free - glyphs) / 2 - metrics.tmInternalLeading;
  return {button.left, top, button.right, top + metrics.tmHeight};
}

}  // namespace

void AttachOwnerButton(HWND button) { SetWindowSubclass(button, &OwnerButtonProc, 1, 0); }

void DrawPushButton(const DRAWITEMSTRUCT& item, COLORREF textColour) {
  HWND button = item.hwndItem;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;

  if (focused) {
    FrameRect(item.hDC, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -kFocusFrame, -kFocusFrame);
  }
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const std::wstring caption = CaptionOf(button);
  HGDIOBJ oldFont =
      SelectObject(item.hDC, reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, enabled ? textColour : GetSysColor(COLOR_GRAYTEXT));
  RECT textRect = CaptionRect(item.hDC, item.rcItem);
  if (pressed) OffsetRect(&textRect, 1, 1);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &textRect,
            DT_CENTER | DT_TOP | DT_SINGLELINE);
  SelectObject(item.hDC, oldFont);

  if (focused) {
    // Just inside the edge, where it leaves the most room to the caption.
    RECT focus = face;
    InflateRect(&focus, -kEdge, -kEdge);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace tokiwake
