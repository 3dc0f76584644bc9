// A list view in report style whose rows its owner keeps: the list asks for each cell's text only
// when it draws it, so thousands of rows cost nothing until they are seen.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <span>

#include "text/SjisText.h"

namespace tokiwake {

struct ListColumn {
  const char* title;
  int width;  // at 96 dpi
};

class VirtualListView {
 public:
  // The text of one cell, as code page 932.
  using CellText = std::function<Text(size_t row, int column)>;
  // What a row's tip shows when the pointer rests on it; none when empty.
  using TipText = std::function<Text(size_t row)>;

  VirtualListView() = default;
  ~VirtualListView();
  VirtualListView(const VirtualListView&) = delete;
  VirtualListView& operator=(const VirtualListView&) = delete;

  HWND Create(HWND parent, int id, const RECT& at, std::span<const ListColumn> columns, HFONT font,
              CellText cellText, TipText tipText = {});
  HWND Handle() const { return list_; }
  // Rows as tall as the font needs and columns as wide as the dpi makes them.
  void Rescale(HFONT font, int dpi);

  // The rows it shows now; the view keeps its scroll position.
  void SetRowCount(size_t rows);
  // For the parent's WM_NOTIFY: answers the list's request for a cell's text or a row's tip. True
  // when the notification was one of them.
  bool OnNotify(const NMHDR& header);

 private:
  HWND list_ = nullptr;
  HIMAGELIST images_ = nullptr;
  std::span<const ListColumn> columns_;
  CellText cellText_;
  TipText tipText_;
};

}  // namespace tokiwake
