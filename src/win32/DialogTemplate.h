// A dialog template built in memory, so that a dialog needs no resource: its frame and items in
// dialog units, which the dialog manager turns into pixels from the font and the dpi.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace tokiwake {

// The predefined window classes, by the numbers a template names them with.
enum class ItemClass : WORD { kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082 };

struct DialogItem {
  ItemClass itemClass;
  DWORD style;  // WS_CHILD and WS_VISIBLE are added
  short x, y, cx, cy;
  int id;
  std::wstring caption;
};

struct DialogFrame {
  DWORD style;  // DS_SETFONT is added
  short cx, cy;
  std::wstring title;
  std::wstring fontFace;
  WORD fontPoints;
};

class DialogTemplate {
 public:
  DialogTemplate(const DialogFrame& frame, std::span<const DialogItem> items);

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  // DialogBoxIndirectParamW on this template; `parameter` reaches WM_INITDIALOG.
  INT_PTR ShowModal(HWND owner, DLGPROC procedure, LPARAM parameter) const;

 private:
  void Item(const DialogItem& item);
  void Raw(const void* data, size_t bytes);
  void String(const std::wstring& text);

  std::vector<WORD> words_;  // its storage starts well aligned beyond the double word required
};

}  // namespace tokiwake
