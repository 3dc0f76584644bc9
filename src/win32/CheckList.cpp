#include "win32/CheckList.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/Cp932.h"
#include "win32/Dpi.h"

namespace tokiwake {

namespace {

// At 96 dpi.
constexpr int kBoxSize = 11;
constexpr int kTextGap = 4;

void Toggle(HWND list, int index) {
  if (index < 0 || index >= CheckItemCount(list)) return;
  SetTicked(list, index, !IsTicked(list, index));
}

LRESULT CALLBACK CheckListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
    const int x = static_cast<short>(LOWORD(lParam));
    if (HIWORD(hit) == 0 && x < ScaleForDpi(kBoxSize + 2, DpiOf(list))) Toggle(list, LOWORD(hit));
  } else if (message == WM_CHAR && wParam == L' ') {
    Toggle(list, static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)));
    return 0;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void AttachCheckList(HWND list) { SetWindowSubclass(list, &CheckListProc, 1, 0); }

void DrawCheckItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HWND list = item.hwndItem;
  const int index = static_cast<int>(item.itemID);
  const bool enabled = IsWindowEnabled(list) != FALSE;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT rc = item.rcItem;
  const int dpi = DpiOf(list);
  const int boxSize = ScaleForDpi(kBoxSize, dpi);

  FillRect(item.hDC, &rc, GetSysColorBrush(COLOR_WINDOW));
  RECT box{rc.left + 1, rc.top + (rc.bottom - rc.top - boxSize) / 2, 0, 0};
  box.right = box.left + boxSize;
  box.bottom = box.top + boxSize;
  UINT state = DFCS_BUTTONCHECK | DFCS_FLAT;
  if (IsTicked(list, index)) state |= DFCS_CHECKED;
  if (!enabled) state |= DFCS_INACTIVE;
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, state);

  RECT textRect{box.right + ScaleForDpi(kTextGap, dpi), rc.top, rc.right, rc.bottom};
  const std::wstring text = ToWide(CheckItemText(list, index));
  SIZE extent{};
  GetTextExtentPoint32W(item.hDC, text.c_str(), static_cast<int>(text.size()), &extent);
  RECT highlight{textRect.left - 1, rc.top, textRect.left + extent.cx + 2, rc.bottom};
  if (selected && enabled) FillRect(item.hDC, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
  // Under the text, not over it: a row as high as the font's cell leaves no room for the focus
  // rectangle, and drawn last it would cut through the descenders.
  if ((item.itemState & ODS_FOCUS) != 0 && enabled) DrawFocusRect(item.hDC, &highlight);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, !enabled   ? GetSysColor(COLOR_GRAYTEXT)
                         : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                    : GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

int CheckItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

Text CheckItemText(HWND list, int index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<size_t>(length));
  return Narrow(buffer);
}

bool IsTicked(HWND list, int index) { return SendMessageW(list, LB_GETITEMDATA, index, 0) == 1; }

void SetTicked(HWND list, int index, bool ticked) {
  SendMessageW(list, LB_SETITEMDATA, index, ticked ? 1 : 0);
  RECT rc{};
  if (SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc)) != LB_ERR) {
    InvalidateRect(list, &rc, FALSE);
  }
}

void AddCheckItem(HWND list, const Text& text, bool ticked) {
  const LRESULT index =
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
  if (index >= 0) SetTicked(list, static_cast<int>(index), ticked);
}

std::vector<CheckItem> CheckItems(HWND list) {
  std::vector<CheckItem> items;
  const int count = CheckItemCount(list);
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back({CheckItemText(list, i), IsTicked(list, i)});
  return items;
}

// Room for every item first, and one repaint at the end instead of one per item.
void ReplaceCheckItems(HWND list, const std::vector<Text>& texts, bool ticked) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  size_t bytes = 0;
  for (const Text& text : texts) bytes += (text.size() + 1) * sizeof(wchar_t);
  SendMessageW(list, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
  for (const Text& text : texts) {
    const LRESULT index =
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(text).c_str()));
    if (index >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), ticked ? 1 : 0);
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace tokiwake
