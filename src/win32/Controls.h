// Child controls built from a static table, and the text rule every control keeps: setting the
// text it already holds is no change and runs nothing.
#pragma once

#include <windows.h>

#include <map>
#include <span>

#include "platform/Handles_win32.h"
#include "text/SjisText.h"

namespace tokiwake {

enum class ControlKind {
  kSunkenLabel,
  kEdit,
  kButton,
  kGroupBox,
  kCheckBox,
  kCheckList,
  kLabel,
  kCombo,
};

struct ControlSpec {
  int id;
  const char* name;
  ControlKind kind;
  int groupId;  // 0: placed on the client area; else relative to that group box
  int left, top, width, height;
  const char* caption;
  int fontPoints;
  COLORREF textColour;
  int itemHeight;  // lists and combo boxes, at least; a taller font gets taller rows. 0 elsewhere
};

inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kBlue = RGB(0, 0, 255);
inline constexpr COLORREF kMaroon = RGB(128, 0, 0);
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kYellow = RGB(255, 255, 0);
inline constexpr COLORREF kLime = RGB(0, 255, 0);

// What the application decides for all of its controls.
struct ControlLook {
  const char* fontFace;  // every control's font, in the size its row gives
  COLORREF formColour;   // the window's background, behind labels, check boxes and group boxes
};

// A font of that face in Shift_JIS, `points` high at 96 dpi.
HFONT CreateUiFont(const char* face, int points);
// The size of the text in that font; a label without a width takes the width of its caption.
SIZE CaptionSize(HWND parent, HFONT font, const char* caption);
// Reads a window's text as code page 932 bytes.
Text GetText(HWND window);
// Makes a drop-down combo box's list tall enough for `rows` items, without a scroll bar.
void FitComboDropDown(HWND combo, int rows);

class ControlSet {
 public:
  // Creates every control of the table on `parent`, in table order, which is the tab order.
  void Create(HWND parent, std::span<const ControlSpec> specs, const ControlLook& look);

  HWND Get(int id) const;
  const ControlSpec& LayoutOf(int id) const;
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
    const ControlSpec* layout;
    HWND hwnd;
    COLORREF textColour;
    COLORREF background;
    OwnedBrush brush;
  };
  HFONT FontOf(int points);

  std::map<int, Entry> entries_;
  const char* fontFace_ = nullptr;
  std::map<int, OwnedFont> fonts_;  // by size in points
  COLORREF formColour_ = CLR_INVALID;
  OwnedBrush formBrush_;
  OwnedBrush labelBrush_;
};

}  // namespace tokiwake
