#include "media/Heif.h"

#include <optional>
#include <string>

#include "media/ByteCursor.h"

namespace tokiwake {
namespace {

// The item tables of a photo are a few KiB at most.
constexpr size_t kMaxTableBytes = 64 * 1024;
// Version, flags, item ID, protection index and type: the most an item entry needs read.
constexpr size_t kItemInfoBytes = 14;

constexpr std::string_view kCanonUuid(
    "\x85\xC0\xB6\x87\x82\x0F\x11\xE0\x81\x11\xF4\xCE\x46\x2B\x6A\x48", 16);

struct Extent {
  uint64_t offset;
  uint64_t length;  // zero: to the end of the file
};

// The ID of the item whose type is 'Exif', from the item info entries.
std::optional<uint32_t> ExifItemId(BoundedReader& file, const Box& iinf) {
  std::string head;
  if (!ReadPayload(file, iinf, 8, head) || head.size() < 6) return std::nullopt;
  const uint64_t entries = iinf.payload + (head[0] == 0 ? 6 : 8);  // a 16- or 32-bit count
  std::optional<uint32_t> id;
  ForEachBox(file, entries, iinf.end, [&](const Box& infe) {
    std::string bytes;
    if (infe.type != FourCc("infe") || !ReadPayload(file, infe, kItemInfoBytes, bytes)) return true;
    ByteCursor in(bytes);
    const uint8_t version = in.U8();
    in.Skip(3);
    if (version < 2) return true;  // entries before version 2 name no type
    const uint32_t item = version == 2 ? in.U16() : in.U32();
    in.Skip(2);
    if (in.U32() == FourCc("Exif") && !in.Failed()) id = item;
    return !id;
  });
  return id;
}

bool IsFieldSize(uint64_t size) { return size == 0 || size == 4 || size == 8; }

// Where the item lies, by the item location table; only items in this file, stored in one piece.
std::optional<Extent> ItemExtent(BoundedReader& file, const Box& iloc, uint32_t id) {
  std::string bytes;
  if (!ReadPayload(file, iloc, kMaxTableBytes, bytes)) return std::nullopt;
  ByteCursor in(bytes);
  const uint8_t version = in.U8();
  in.Skip(3);
  const uint8_t sizes = in.U8();
  const uint8_t moreSizes = in.U8();
  const uint64_t offsetSize = sizes >> 4, lengthSize = sizes & 15, baseSize = moreSizes >> 4;
  const uint64_t indexSize = version == 0 ? 0 : moreSizes & 15;
  if (version > 2 || !IsFieldSize(offsetSize) || !IsFieldSize(lengthSize) ||
      !IsFieldSize(baseSize) || !IsFieldSize(indexSize)) {
    return std::nullopt;
  }
  const uint64_t items = version < 2 ? in.U16() : in.U32();
  for (uint64_t i = 0; i < items && !in.Failed(); ++i) {
    const uint32_t item = version < 2 ? in.U16() : in.U32();
    const uint16_t method = version == 0 ? 0 : in.U16() & 15;
    in.Skip(2);  // data reference index
    const uint64_t base = in.Uint(baseSize);
    const uint16_t extents = in.U16();
    if (extents == 0) continue;
    in.Skip(indexSize);
    const uint64_t offset = in.Uint(offsetSize);
    const uint64_t length = in.Uint(lengthSize);
    if (item == id && !in.Failed()) {
      if (method != 0 || offset > UINT64_MAX - base) return std::nullopt;
      return Extent{base + offset, length};
    }
    in.Skip((indexSize + offsetSize + lengthSize) * (extents - 1));
  }
  return std::nullopt;
}

}  // namespace

void ReadHeifDates(BoundedReader& file, const Box& meta, ExifDates& dates) {
  std::optional<Box> iinf, iloc;
  ForEachBox(file, meta.payload + 4, meta.end, [&](const Box& box) {  // after version and flags
    if (box.type == FourCc("iinf")) iinf = box;
    if (box.type == FourCc("iloc")) iloc = box;
    return !iinf || !iloc;
  });
  if (!iinf || !iloc) return;
  const std::optional<uint32_t> id = ExifItemId(file, *iinf);
  const std::optional<Extent> extent = id ? ItemExtent(file, *iloc, *id) : std::nullopt;
  if (!extent || extent->offset >= file.Size()) return;
  const uint64_t length = extent->length == 0 ? file.Size() - extent->offset : extent->length;
  // The item starts with the distance from after this field to the TIFF header.
  std::string field;
  if (length < 4 || !file.Read(extent->offset, 4, field)) return;
  const uint64_t skip = 4 + uint64_t{ByteCursor(field).U32()};
  if (skip < length) {
    ReadTiffDates(file, extent->offset + skip, length - skip, FirstIfd::kIfd0, dates);
  }
}

void ReadCr3Dates(BoundedReader& file, const Box& moov, ExifDates& dates) {
  ForEachBox(file, moov.payload, moov.end, [&](const Box& box) {
    std::string uuid;
    if (box.type != FourCc("uuid") || !ReadPayload(file, box, 16, uuid) || uuid != kCanonUuid) {
      return true;
    }
    ForEachBox(file, box.payload + 16, box.end, [&](const Box& part) {
      const uint64_t length = part.end - part.payload;
      if (part.type == FourCc("CMT1")) {
        ReadTiffDates(file, part.payload, length, FirstIfd::kIfd0, dates);
      }
      if (part.type == FourCc("CMT2")) {
        ReadTiffDates(file, part.payload, length, FirstIfd::kExifIfd, dates);
      }
      return true;
    });
    return false;
  });
}

}  // namespace tokiwake
