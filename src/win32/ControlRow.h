// The rows of a control table and where a row lands at a given dpi. Plain data and arithmetic,
// no Windows header: a layout can be checked at any dpi without a window.
#pragma once

#include <cstdint>
#include <span>

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

// A colour as Windows keeps one (0x00BBGGRR), so that it passes for a COLORREF.
using Colour = uint32_t;
constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
  return red | (green << 8) | (blue << 16);
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kBlue = Rgb(0, 0, 255);
inline constexpr Colour kMaroon = Rgb(128, 0, 0);
inline constexpr Colour kRed = Rgb(255, 0, 0);
inline constexpr Colour kYellow = Rgb(255, 255, 0);
inline constexpr Colour kLime = Rgb(0, 255, 0);

// Positions and sizes are pixels at 96 dpi, the dpi the layout was drawn at.
struct ControlRow {
  int id;
  const char* name;
  ControlKind kind;
  int groupId;  // 0: placed on the client area; else relative to that group box
  int left, top, width, height;
  const char* caption;
  int fontPoints;
  Colour textColour;
  int itemHeight;  // lists and combo boxes, at least; a taller font gets taller rows. 0 elsewhere
};

// What the application decides for all of its controls.
struct ControlLook {
  const char* fontFace;  // every control's font, in the size its row gives
  Colour formColour;     // the window's background, behind labels, check boxes and group boxes
};

inline constexpr int kLayoutDpi = 96;

// Rounds to the nearest pixel, halves away from zero, as MulDiv does.
constexpr int ScaleForDpi(int pixels, int dpi) {
  const int64_t product = int64_t{pixels} * dpi;
  const int64_t half = kLayoutDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kLayoutDpi
                                       : -((-product + half) / kLayoutDpi));
}

// A font's height in pixels (its em, without the leading) at that dpi.
constexpr int FontPixels(int points, int dpi) {
  const int64_t product = int64_t{points} * dpi;
  return static_cast<int>((product + 36) / 72);
}

struct ControlBox {
  int left, top, right, bottom;
};

// Where a row lands on the client area at `dpi`. The edges are scaled, not a corner and a size:
// two controls that do not overlap at 96 dpi then never overlap at another, and a group box's
// controls stay inside it. A row without a size keeps none; its caption gives it one.
constexpr ControlBox PlaceAtDpi(std::span<const ControlRow> table, const ControlRow& row, int dpi) {
  int left = row.left;
  int top = row.top;
  for (const ControlRow& group : table) {
    if (row.groupId != 0 && group.id == row.groupId) {
      left += group.left;
      top += group.top;
    }
  }
  const int right = row.width == 0 ? left : left + row.width;
  const int bottom = row.height == 0 ? top : top + row.height;
  return {ScaleForDpi(left, dpi), ScaleForDpi(top, dpi), ScaleForDpi(right, dpi),
          ScaleForDpi(bottom, dpi)};
}

}  // namespace tokiwake
