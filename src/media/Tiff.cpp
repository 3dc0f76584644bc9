#include "media/Tiff.h"

#include <algorithm>
#include <string>
#include <vector>

#include "media/ByteCursor.h"
#include "media/DateText.h"

namespace tokiwake {
namespace {

constexpr uint16_t kDateTime = 0x0132;
constexpr uint16_t kExifPointer = 0x8769;
constexpr uint16_t kOriginal = 0x9003;
constexpr uint16_t kDigitized = 0x9004;

// Real directories hold tens of entries; this keeps a made-up count from costing a large read.
constexpr uint64_t kMaxEntries = 512;
constexpr uint64_t kEntrySize = 12;
// Enough for the 20 bytes of a date and its padding.
constexpr uint64_t kMaxDateBytes = 64;

struct Block {
  BoundedReader& file;
  uint64_t offset;
  uint64_t length;
  bool bigEndian;
};

struct Entry {
  uint16_t tag;
  uint16_t type;
  uint32_t count;
  uint32_t value;  // the value itself when it fits in four bytes, else where it is
};

// Types of one byte a value: ASCII as it should be, and BYTE or UNDEFINED as some writers have it.
bool IsByteType(uint16_t type) { return type == 1 || type == 2 || type == 7; }

// Dates are 20 bytes, so never stored in the entry itself.
std::optional<CalendarTime> DateValue(const Block& block, const Entry& entry) {
  if (!IsByteType(entry.type) || entry.count <= 4 || entry.value >= block.length) {
    return std::nullopt;
  }
  const uint64_t length =
      std::min({uint64_t{entry.count}, kMaxDateBytes, block.length - entry.value});
  std::string text;
  if (!block.file.Read(block.offset + entry.value, static_cast<size_t>(length), text)) {
    return std::nullopt;
  }
  return ParseExifDate(text);
}

void Keep(std::optional<CalendarTime>& kept, std::optional<CalendarTime> found) {
  if (!kept) kept = found;
}

// The entries of the IFD at `at`, as many as its count says up to the cap and the block's end.
std::vector<Entry> ReadIfd(const Block& block, uint64_t at) {
  std::string bytes;
  if (!FitsIn(at, 2, block.length) || !block.file.Read(block.offset + at, 2, bytes)) return {};
  const uint64_t count = std::min({ByteCursor(bytes, block.bigEndian).Uint(2), kMaxEntries,
                                   (block.length - at - 2) / kEntrySize});
  if (!block.file.Read(block.offset + at + 2, static_cast<size_t>(count * kEntrySize), bytes)) {
    return {};
  }
  std::vector<Entry> entries(static_cast<size_t>(count));
  ByteCursor in(bytes, block.bigEndian);
  for (Entry& entry : entries) entry = {in.U16(), in.U16(), in.U32(), in.U32()};
  return entries;
}

void ReadExifIfd(const Block& block, uint64_t at, ExifDates& dates) {
  for (const Entry& entry : ReadIfd(block, at)) {
    if (entry.tag == kOriginal) Keep(dates.original, DateValue(block, entry));
    if (entry.tag == kDigitized) Keep(dates.digitized, DateValue(block, entry));
  }
}

void ReadIfd0(const Block& block, uint64_t at, ExifDates& dates) {
  std::optional<uint32_t> exifIfd;
  for (const Entry& entry : ReadIfd(block, at)) {
    if (entry.tag == kDateTime) Keep(dates.modified, DateValue(block, entry));
    // LONG as the standard has it, or IFD as later TIFF writers put it.
    if (entry.tag == kExifPointer && (entry.type == 4 || entry.type == 13) && entry.count == 1) {
      exifIfd = entry.value;
    }
  }
  if (exifIfd) ReadExifIfd(block, *exifIfd, dates);
}

}  // namespace

std::optional<bool> TiffByteOrder(std::string_view header) {
  header = header.substr(0, 4);
  if (header == std::string_view("II*\0", 4) || header == "IIRO" || header == "IIRS" ||
      header == std::string_view("IIU\0", 4)) {
    return false;
  }
  if (header == std::string_view("MM\0*", 4) || header == "MMOR") return true;
  return std::nullopt;
}

void ReadTiffDates(BoundedReader& file, uint64_t offset, uint64_t length, FirstIfd first,
                   ExifDates& dates) {
  std::string header;
  if (!FitsIn(offset, length, file.Size()) || length < 8 || !file.Read(offset, 8, header)) return;
  const std::optional<bool> bigEndian = TiffByteOrder(header);
  if (!bigEndian) return;
  const Block block{file, offset, length, *bigEndian};
  ByteCursor in(header, *bigEndian);
  in.Skip(4);
  const uint32_t firstIfd = in.U32();
  if (first == FirstIfd::kIfd0) {
    ReadIfd0(block, firstIfd, dates);
  } else {
    ReadExifIfd(block, firstIfd, dates);
  }
}

void ReadExifBlock(BoundedReader& file, uint64_t offset, uint64_t length, ExifDates& dates) {
  std::string prefix;
  if (length >= 6 && file.Read(offset, 6, prefix) && prefix.starts_with(kExifPrefix)) {
    offset += 6;
    length -= 6;
  }
  ReadTiffDates(file, offset, length, FirstIfd::kIfd0, dates);
}

}  // namespace tokiwake
