#include "win32/DialogTemplate.h"

namespace tokiwake {

// Laid out as the dialog manager reads it: words, with every item starting on a double-word
// boundary.
DialogTemplate::DialogTemplate(const DialogFrame& frame, std::span<const DialogItem> items) {
  DLGTEMPLATE header{
      frame.style | DS_SETFONT, 0, static_cast<WORD>(items.size()), 0, 0, frame.cx, frame.cy};
  Raw(&header, sizeof header);
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  String(frame.title);
  words_.push_back(frame.fontPoints);
  String(frame.fontFace);
  for (const DialogItem& item : items) Item(item);
}

INT_PTR DialogTemplate::ShowModal(HWND owner, DLGPROC procedure, LPARAM parameter) const {
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), Get(), owner, procedure, parameter);
}

void DialogTemplate::Item(const DialogItem& item) {
  if (words_.size() % 2 != 0) words_.push_back(0);
  DLGITEMTEMPLATE header{item.style | WS_CHILD | WS_VISIBLE, 0, item.x, item.y, item.cx, item.cy,
                         static_cast<WORD>(item.id)};
  Raw(&header, sizeof header);
  words_.push_back(0xFFFF);
  words_.push_back(static_cast<WORD>(item.itemClass));
  String(item.caption);
  words_.push_back(0);  // no creation data
}

// Word by word: GCC 12 at -O3 takes a range inserted into the still empty vector for an overflow.
void DialogTemplate::Raw(const void* data, size_t bytes) {
  const auto* words = static_cast<const WORD*>(data);
  for (size_t i = 0; i < bytes / sizeof(WORD); ++i) words_.push_back(words[i]);
}

void DialogTemplate::String(const std::wstring& text) {
  words_.insert(words_.end(), text.begin(), text.end());
  words_.push_back(0);
}

}  // namespace tokiwake
