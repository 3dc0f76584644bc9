// The version page's facts as plain controls: what the version dialog shows where no browser
// control can show the page, so that it is never blank.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/Handles_win32.h"
#include "text/SjisText.h"
#include "ui/rules/VersionPage.h"

namespace tokiwake {

class SummaryView {
 public:
  // Lays the lines out on the parent's client area as the page does: the product line large, the
  // note red, the contact line pink beside the mail picture read from `iconPath` (the built-in
  // picture where that file cannot be read), in sizes for the parent's dpi. Calling it again
  // replaces what it showed.
  void Show(HWND parent, const std::vector<SummaryLine>& lines, const Text& iconPath);
  bool Shown() const { return !labels_.empty(); }

  // Answers WM_CTLCOLORSTATIC for its labels; null for any other control.
  HBRUSH PaintColours(HWND control, HDC dc) const;
  // The page's background, for the parent's own background.
  HBRUSH Background() const { return background_.get(); }

 private:
  struct Label {
    HWND hwnd;
    COLORREF colour;
  };
  void Clear();
  HFONT FontOf(const SummaryLine& line) const;
  HWND AddLabel(HWND parent, const SummaryLine& line, HFONT font, const RECT& place);
  void AddContact(HWND parent, const SummaryLine& line, int top, const Text& iconPath);

  std::vector<Label> labels_;
  HWND picture_ = nullptr;
  int dpi_ = 0;  // of the fonts
  OwnedFont productFont_;
  OwnedFont textFont_;
  OwnedFont smallFont_;
  OwnedBrush background_;
  Owned<HBITMAP, GdiObjectTraits> bitmap_;
};

}  // namespace tokiwake
