#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

#include "text/SjisText.h"
#include "ui/ControlIds.h"
#include "ui/convert_layout.h"

namespace tokiwake {
namespace {

// The least client area the 480 x 297 window has at 96 dpi: Windows 10 and 11 take 8 pixels of
// frame on each side, 23 of caption and 20 of menu bar.
constexpr int kClientWidth = 464;
constexpr int kClientHeight = 238;

// A label without a size is as large as its caption: an em a double-byte character, half an em
// any other, one em high (the cell of a face without internal leading, as ＭＳ Ｐゴシック).
ControlBox BoxAt(const ControlRow& row, int dpi) {
  ControlBox box = PlaceAtDpi(MainLayout(), row, dpi);
  if (row.width != 0) return box;
  int halfEms = 0;
  for (std::string_view text = row.caption; !text.empty(); text.remove_prefix(1)) {
    const bool wide = IsCp932LeadByte(static_cast<unsigned char>(text.front()));
    halfEms += wide ? 2 : 1;
    if (wide && text.size() > 1) text.remove_prefix(1);
  }
  const int em = FontPixels(row.fontPoints, dpi);
  return {box.left, box.top, box.left + (halfEms * em + 1) / 2, box.top + em};
}

bool Overlap(const ControlBox& a, const ControlBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(MainLayout, AtEveryDpiNothingOverlapsThatDoesNotAt96AndAllStaysOnTheClientArea) {
  const std::span<const ControlRow> rows = MainLayout();
  for (const int dpi : {96, 120, 144, 168, 192}) {
    SCOPED_TRACE("dpi " + std::to_string(dpi));
    for (size_t i = 0; i < rows.size(); ++i) {
      const ControlBox box = BoxAt(rows[i], dpi);
      EXPECT_LE(box.right, ScaleForDpi(kClientWidth, dpi)) << rows[i].name;
      EXPECT_LE(box.bottom, ScaleForDpi(kClientHeight, dpi)) << rows[i].name;
      for (size_t j = i + 1; j < rows.size(); ++j) {
        if (Overlap(BoxAt(rows[i], 96), BoxAt(rows[j], 96))) continue;
        EXPECT_FALSE(Overlap(box, BoxAt(rows[j], dpi))) << rows[i].name << " " << rows[j].name;
      }
    }
  }
}

// Each edge is scaled and rounded to the nearest pixel, a half up; a font by its points.
TEST(MainLayout, RowsArePlacedByTheirScaledEdges) {
  struct Case {
    int id, dpi, left, top, right, bottom;
  };
  const Case cases[] = {
      {ids::txt_Directory0, 96, 80, 8, 329, 28},    {ids::txt_Directory0, 120, 100, 10, 411, 35},
      {ids::txt_Directory0, 144, 120, 12, 494, 42}, {ids::chkAll, 120, 20, 140, 141, 160},
      {ids::chkAll, 144, 24, 168, 170, 192},        {ids::txt_TimeReName, 144, 336, 275, 662, 305},
  };
  for (const Case& c : cases) {
    for (const ControlRow& row : MainLayout()) {
      if (row.id != c.id) continue;
      const ControlBox box = PlaceAtDpi(MainLayout(), row, c.dpi);
      EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom),
                std::tuple(c.left, c.top, c.right, c.bottom))
          << row.name << " at " << c.dpi;
    }
  }
  EXPECT_EQ(
      std::tuple(FontPixels(8, 96), FontPixels(9, 96), FontPixels(8, 120), FontPixels(9, 144)),
      std::tuple(11, 12, 13, 18));
}

}  // namespace
}  // namespace tokiwake
