// The dates in a TIFF structure: an Exif block, a TIFF file or a raw camera file built on TIFF.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "media/BoundedReader.h"
#include "media/CalendarTime.h"

namespace tokiwake {

// Each kept only when it is a real time.
struct ExifDates {
  std::optional<CalendarTime> original;   // 0x9003 in the Exif IFD
  std::optional<CalendarTime> digitized;  // 0x9004 in the Exif IFD
  std::optional<CalendarTime> modified;   // 0x0132 in IFD0
};

// The byte order a header gives (true: big-endian), or nothing when the bytes start no TIFF
// header. Besides "II*\0" and "MM\0*", one raw format marks it "IIRO", "IIRS" or "MMOR" and
// another "IIU\0".
std::optional<bool> TiffByteOrder(std::string_view header);

enum class FirstIfd {
  kIfd0,     // the first IFD is IFD0, which points to the Exif IFD
  kExifIfd,  // the first IFD holds the Exif IFD's fields itself
};

// Reads the TIFF structure of `length` bytes at `offset` in the file; the offsets inside it count
// from its header. Only the first IFD and the Exif IFD are read, never the chain after them, so
// no file can make it go round. Dates found before are kept.
void ReadTiffDates(BoundedReader& file, uint64_t offset, uint64_t length, FirstIfd first,
                   ExifDates& dates);

// What JPEG puts before the TIFF header of its Exif block; the sixth byte should be NUL too, but
// is not looked at.
inline constexpr std::string_view kExifPrefix("Exif\0", 5);

// An Exif block as PNG and WebP keep it: a TIFF structure, with or without that prefix.
void ReadExifBlock(BoundedReader& file, uint64_t offset, uint64_t length, ExifDates& dates);

}  // namespace tokiwake
