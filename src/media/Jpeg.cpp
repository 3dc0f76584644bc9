#include "media/Jpeg.h"

#include <string>

#include "media/ByteCursor.h"

namespace tokiwake {
namespace {

constexpr unsigned char kApp1 = 0xE1;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;

// Markers that stand alone, with no length after them: TEM, RST0-RST7 and SOI.
bool StandsAlone(unsigned char marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// The Fujifilm raw header keeps its preview's place as two big-endian numbers.
constexpr uint64_t kRafPreviewField = 84;

}  // namespace

bool IsJpeg(std::string_view header) { return header.starts_with("\xFF\xD8\xFF"); }

void ReadJpegDates(BoundedReader& file, uint64_t offset, uint64_t end, ExifDates& dates) {
  std::string head;
  // Each turn moves on by at least a byte, and the reader's caps end a walk over a long file.
  for (uint64_t at = offset + 2; at < end && end - at >= 4 && file.Read(at, 4, head);) {
    const auto marker = static_cast<unsigned char>(head[1]);
    if (static_cast<unsigned char>(head[0]) != 0xFF) return;
    if (marker == 0xFF) {  // a fill byte before the marker
      ++at;
      continue;
    }
    if (marker == kStartOfScan || marker == kEndOfImage) return;
    if (StandsAlone(marker)) {
      at += 2;
      continue;
    }
    const uint64_t length = ByteCursor(head.substr(2)).U16();
    if (length < 2) return;
    std::string prefix;
    if (marker == kApp1 && length >= 8 && file.Read(at + 4, 6, prefix) &&
        prefix.starts_with(kExifPrefix)) {
      ReadTiffDates(file, at + 10, length - 8, FirstIfd::kIfd0, dates);
      return;
    }
    at += 2 + length;
  }
}

bool IsRaf(std::string_view header) { return header.starts_with("FUJIFILMCCD-RAW"); }

void ReadRafDates(BoundedReader& file, ExifDates& dates) {
  std::string field;
  if (!file.Read(kRafPreviewField, 8, field)) return;
  ByteCursor in(field);
  const uint64_t offset = in.U32();
  const uint64_t length = in.U32();
  if (!FitsIn(offset, length, file.Size())) return;
  std::string soi;
  if (length >= 4 && file.Read(offset, 3, soi) && IsJpeg(soi)) {
    ReadJpegDates(file, offset, offset + length, dates);
  }
}

}  // namespace tokiwake
