#include "media/Movie.h"

#include <cstdint>
#include <string>

#include "media/ByteCursor.h"

namespace tokiwake {
namespace {

constexpr std::string_view kCreationDateKey = "com.apple.quicktime.creationdate";
// The key table of a phone's movie is under a KiB; a date value is some 30 bytes.
constexpr size_t kMaxKeysBytes = 64 * 1024;
constexpr size_t kMaxValueBytes = 64;
// 1904-01-01, where the movie header counts from, as seconds since 1970-01-01.
constexpr int64_t kMovieEpoch = -2082844800;
// A data box's value that is UTF-8 text.
constexpr uint32_t kUtf8 = 1;

std::optional<CalendarTime> MovieHeaderTime(BoundedReader& file, const Box& mvhd) {
  std::string bytes;
  if (!ReadPayload(file, mvhd, 12, bytes)) return std::nullopt;
  ByteCursor in(bytes);
  const uint8_t version = in.U8();
  in.Skip(3);
  const uint64_t seconds = version == 1 ? in.U64() : in.U32();
  if (in.Failed() || seconds == 0 || seconds > INT64_MAX / 2) return std::nullopt;
  const CalendarTime time = UtcFromUnixSeconds(static_cast<int64_t>(seconds) + kMovieEpoch);
  if (!IsRealTime(time)) return std::nullopt;
  return time;
}

// The 1-based index of the creation date's key among those of the 'mdta' namespace, 0 when none.
uint32_t CreationDateIndex(BoundedReader& file, const Box& keys) {
  std::string bytes;
  if (!ReadPayload(file, keys, kMaxKeysBytes, bytes)) return 0;
  ByteCursor in(bytes);
  in.Skip(4);  // version and flags
  const uint32_t count = in.U32();
  for (uint32_t index = 1; index <= count && !in.Failed(); ++index) {
    const uint32_t size = in.U32();
    const uint32_t space = in.U32();
    if (size < 8) return 0;
    const std::string_view name = in.Bytes(size - 8);
    if (space == FourCc("mdta") && name == kCreationDateKey && !in.Failed()) return index;
  }
  return 0;
}

// The first of the item's data boxes that holds a date as UTF-8 text.
std::optional<ZonedTime> ItemDate(BoundedReader& file, const Box& item) {
  std::optional<ZonedTime> date;
  ForEachBox(file, item.payload, item.end, [&](const Box& data) {
    std::string bytes;
    if (data.type != FourCc("data") || !ReadPayload(file, data, 8 + kMaxValueBytes, bytes)) {
      return true;
    }
    ByteCursor in(bytes);
    const uint32_t type = in.U32();
    in.Skip(4);  // locale
    if (type == kUtf8 && !in.Failed()) date = ParseIsoDate(in.Bytes(in.Left()));
    return !date;
  });
  return date;
}

bool IsMetadataHandler(BoundedReader& file, const Box& hdlr) {
  std::string bytes;
  return ReadPayload(file, hdlr, 12, bytes) && bytes.size() == 12 &&
         ByteCursor(bytes.substr(8)).U32() == FourCc("mdta");
}

std::optional<ZonedTime> CreationDate(BoundedReader& file, const Box& meta) {
  // QuickTime's 'meta' starts with its boxes; the ISO one has a version and flags first.
  std::string head;
  if (!ReadPayload(file, meta, 8, head)) return std::nullopt;
  const bool isoStyle = head.size() < 8 || ByteCursor(head.substr(4)).U32() != FourCc("hdlr");
  std::optional<Box> hdlr, keys, ilst;
  ForEachBox(file, meta.payload + (isoStyle ? 4 : 0), meta.end, [&](const Box& box) {
    if (box.type == FourCc("hdlr") && !hdlr) hdlr = box;
    if (box.type == FourCc("keys") && !keys) keys = box;
    if (box.type == FourCc("ilst") && !ilst) ilst = box;
    return !hdlr || !keys || !ilst;
  });
  if (!hdlr || !keys || !ilst || !IsMetadataHandler(file, *hdlr)) return std::nullopt;
  const uint32_t index = CreationDateIndex(file, *keys);
  std::optional<ZonedTime> date;
  // Each item box is typed by its key's index.
  ForEachBox(file, ilst->payload, ilst->end, [&](const Box& item) {
    if (index != 0 && item.type == index) date = ItemDate(file, item);
    return !date;
  });
  return date;
}

}  // namespace

MovieDates ReadMovieDates(BoundedReader& file, const Box& moov) {
  MovieDates dates;
  ForEachBox(file, moov.payload, moov.end, [&](const Box& box) {
    if (box.type == FourCc("mvhd") && !dates.movieHeader) {
      dates.movieHeader = MovieHeaderTime(file, box);
    }
    if (box.type == FourCc("meta") && !dates.creationDate) {
      dates.creationDate = CreationDate(file, box);
    }
    return !dates.movieHeader || !dates.creationDate;
  });
  return dates;
}

}  // namespace tokiwake
