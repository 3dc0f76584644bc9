// Child controls built from a static table, and the text rule every control keeps: setting the
// text it already holds is no change and runs nothing.
#pragma once

#include <windows.h>

#include <map>
#include <span>

#include "platform/Handles_win32.h"
#include "text/SjisText.h"
#include "win32/ControlRow.h"

namespace tokiwake {

// A font of that face in Shift_JIS, `points` high at `dpi`.
HFONT CreateUiFont(const char* face, int points, int dpi);
// The size of the text in that font; a label without a width takes the width of its caption.
SIZE CaptionSize(HWND parent, HFONT font, const char* caption);
// Reads a window's text as code page 932 bytes.
Text GetText(HWND window);
// Makes a drop-down combo box's list tall enough for `rows` items, without a scroll bar.
void FitComboDropDown(HWND combo, int rows);

class ControlSet {
 public:
  // Creates every control of the table on `parent`, in table order, which is the tab order, placed
  // and lettered for `dpi`.
  void Create(HWND parent, std::span<const ControlRow> specs, const ControlLook& look, int dpi);
  // Places and letters every control anew for another dpi.
  void Rescale(int dpi);
  int Dpi() const { return dpi_; }

  HWND Get(int id) const;
  const ControlRow& LayoutOf(int id) const;
  int IdOf(HWND control) const;  // 0 when not one of ours

  Text GetText(int id) const { return tokiwake::GetText(Get(id)); }
  // Sets the text unless it is already there; an edit runs its change handler before this returns.
  // Returns whether the text changed.
  bool SetText(int id, const Text& text) const;

  COLORREF TextColour(int id) const;
  void SetTextColour(int id, COLORREF colour);
  // Background of an edit; CLR_INVALID for the window colour.
  COLORREF Background(int id) const;
  void SetBackground(int id, COLORREF colour);
  // The colour a control asks for in WM_CTLCOLOR*; null when the control is not one of ours.
  HBRUSH PaintColours(HWND control, HDC dc);
  void RepaintNow(int id) const;

 private:
  struct Entry {
    const ControlRow* layout;
    HWND hwnd;
    COLORREF textColour;
    COLORREF background;
    OwnedBrush brush;
  };
  struct Placed {
    int left, top, width, height;
    HFONT font;
  };
  HFONT FontOf(int points);
  Placed PlaceOf(const ControlRow& layout);
  void FitRows(const Entry& entry, const Placed& place) const;

  HWND parent_ = nullptr;
  std::span<const ControlRow> table_;
  int dpi_ = kLayoutDpi;
  std::map<int, Entry> entries_;
  const char* fontFace_ = nullptr;
  std::map<int, OwnedFont> fonts_;  // by size in points, at dpi_
  COLORREF formColour_ = CLR_INVALID;
  OwnedBrush formBrush_;
  OwnedBrush labelBrush_;
};

}  // namespace tokiwake
