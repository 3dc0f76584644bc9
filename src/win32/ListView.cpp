#include "win32/ListView.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/Cp932.h"
#include "win32/ControlRow.h"

namespace tokiwake {

namespace {

int RowHeight(HWND list, HFONT font, int dpi) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  return metrics.tmHeight + ScaleForDpi(4, dpi);
}

}  // namespace

VirtualListView::~VirtualListView() {
  if (images_ != nullptr) ImageList_Destroy(images_);
}

HWND VirtualListView::Create(HWND parent, int id, const RECT& at,
                             std::span<const ListColumn> columns, HFONT font, CellText cellText,
                             TipText tipText) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  cellText_ = std::move(cellText);
  tipText_ = std::move(tipText);
  columns_ = columns;
  list_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, at.left,
      at.top, at.right - at.left, at.bottom - at.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (list_ == nullptr) return nullptr;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER |
                   (tipText_ ? LVS_EX_INFOTIP : 0));
  for (size_t i = 0; i < columns.size(); ++i) {
    std::wstring title = ToWide(columns[i].title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = columns[i].width;
    column.pszText = title.data();
    column.iSubItem = static_cast<int>(i);
    SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  Rescale(font, kLayoutDpi);
  return list_;
}

void VirtualListView::Rescale(HFONT font, int dpi) {
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // A row is as tall as the font, and an underscore drawn below it would be cut off: an image list
  // of blank images a few pixels taller gives each row that room.
  HIMAGELIST old = images_;
  images_ = ImageList_Create(1, RowHeight(list_, font, dpi), ILC_COLOR, 0, 0);
  SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_));
  if (old != nullptr) ImageList_Destroy(old);
  for (size_t i = 0; i < columns_.size(); ++i) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, ScaleForDpi(columns_[i].width, dpi));
  }
}

void VirtualListView::SetRowCount(size_t rows) {
  SendMessageW(list_, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

namespace {

// The list gives a buffer of its own to fill.
void CopyInto(const Text& text, wchar_t* buffer, int room) {
  if (room <= 0) return;
  const std::wstring wide = ToWide(text);
  const size_t length = std::min(wide.size(), static_cast<size_t>(room) - 1);
  wide.copy(buffer, length);
  buffer[length] = L'\0';
}

}  // namespace

bool VirtualListView::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != list_) return false;
  if (header.code == LVN_GETINFOTIPW && tipText_) {
    auto& tip = *reinterpret_cast<NMLVGETINFOTIPW*>(const_cast<NMHDR*>(&header));
    CopyInto(tipText_(static_cast<size_t>(tip.iItem)), tip.pszText, tip.cchTextMax);
    return true;
  }
  if (header.code != LVN_GETDISPINFOW) return false;
  LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
  if ((item.mask & LVIF_TEXT) == 0) return true;
  CopyInto(cellText_(static_cast<size_t>(item.iItem), item.iSubItem), item.pszText,
           item.cchTextMax);
  return true;
}

}  // namespace tokiwake
