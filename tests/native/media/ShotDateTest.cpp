#include "media/ShotDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <tuple>

#include "media/BoundedReader.h"
#include "media/DateText.h"
#include "media/MediaFiles.h"

namespace tokiwake::test {
namespace {

const CalendarTime kOriginal{2024, 5, 3, 10, 15, 0}, kDigitized{2024, 5, 3, 10, 15, 1},
    kModified{2024, 6, 1, 8, 0, 0}, kUtc{2024, 5, 3, 1, 15, 0};
const Bytes kOriginalText = "2024:05:03 10:15:00", kDigitizedText = "2024:05:03 10:15:01",
            kModifiedText = "2024:06:01 08:00:00";
const uint64_t kUtcSince1904 = UnixSecondsFromUtc(kUtc) + 2082844800;

Bytes ExifTiff(bool big, const Bytes& original = kOriginalText,
               const Bytes& digitized = kDigitizedText, const Bytes& modified = kModifiedText) {
  return Tiff(big, {{0x0132, modified}}, {{0x9003, original}, {0x9004, digitized}});
}

std::optional<ShotDate> Date(DateOrigin origin, const CalendarTime& time, bool isUtc = false) {
  return ShotDate{origin, time, isUtc};
}

struct Case {
  std::string name;
  Bytes file;
  std::optional<ShotDate> date;
};

std::optional<ShotDate> Read(const Bytes& file) {
  TestSource source(file);
  const ShotDateResult result = ReadShotDate(source);
  EXPECT_NE(result.status, ShotDateStatus::kUnreadable);
  if (result.status != ShotDateStatus::kFound) return std::nullopt;
  return result.date;
}

std::vector<Case> Containers() {
  const auto original = Date(DateOrigin::kDateTimeOriginal, kOriginal);
  const auto header = Date(DateOrigin::kMovieHeader, kUtc, true);
  const auto quickTime = Date(DateOrigin::kQuickTimeCreationDate, kUtc, true);
  std::vector<Case> cases = {
      {"mvhd 0", Mov(0, kUtcSince1904), header},
      {"mvhd 1", Mov(1, kUtcSince1904), header},
      {"key +0900", Mov(0, kUtcSince1904, "2024-05-03T10:15:00+0900"), quickTime},
      {"key +09:00 iso meta", Mov(0, 0, "2024-05-03T10:15:00+09:00", true), quickTime},
      {"key Z", Mov(1, 0, "2024-05-03T01:15:00Z"), quickTime},
      {"key no zone", Mov(0, 0, "2024-05-03T10:15:00"),
       Date(DateOrigin::kQuickTimeCreationDate, kOriginal)},
      {"key 25 h", Mov(0, kUtcSince1904, "2024-05-03T25:15:00+0900"), header},
      {"no date", Mov(0, 0), std::nullopt}};
  for (const bool big : {false, true}) {
    const Bytes tiff = ExifTiff(big), order = big ? " MM" : " II";
    const Bytes exifFirst = Tiff(big, {{0x9003, kOriginalText}, {0x9004, kDigitizedText}});
    for (const Bytes& magic :
         big ? std::vector<Bytes>{"MMOR"} : std::vector<Bytes>{"IIRO", "IIU"}) {
      cases.push_back({magic, Patched(tiff, 0, Bytes(magic.c_str(), 4)), original});
    }
    for (const auto& [name, file] : std::vector<std::pair<Bytes, Bytes>>{
             {"tiff", tiff},
             {"jpeg", Jpeg(tiff)},
             {"png", Png(tiff, big)},
             {"webp", Webp(tiff, !big)},
             {"heif iloc 0 infe 2", Heif(tiff, 0, 2)},
             {"heif iloc 1 infe 3", Heif(tiff, 1, 3)},
             {"heif iloc 2 infe 2", Heif(tiff, 2, 2)},
             {"cr3", Cr3(Tiff(big, {{0x0132, kModifiedText}}), exifFirst)},
             {"raf", Raf(Jpeg(tiff))}}) {
      cases.push_back({name + order, file, original});
    }
  }
  return cases;
}

TEST(ShotDate, EachContainerGivesItsDateAndNoFailedOrShortReadGivesOne) {
  const std::vector<CalendarTime> times = {kOriginal, kDigitized, kModified, kUtc};
  for (const Case& c : Containers()) {
    EXPECT_EQ(Read(c.file), c.date) << c.name;
    TestSource whole(c.file);
    ReadShotDate(whole);
    for (int failAt = 0; failAt < whole.reads; ++failAt) {
      TestSource failing(c.file, failAt);
      EXPECT_EQ(ReadShotDate(failing).status, ShotDateStatus::kUnreadable) << c.name << failAt;
    }
    TestSource shrunk(c.file, -1, 1);  // one read-ahead covers these small files
    EXPECT_EQ(ReadShotDate(shrunk).status, ShotDateStatus::kUnreadable) << c.name;
    // Cut short, a file gives no date, or one of its own that comes later in the order.
    for (size_t cut = 0; cut < c.file.size(); ++cut) {
      TestSource part(c.file.substr(0, cut));
      const ShotDateResult result = ReadShotDate(part);
      if (result.status != ShotDateStatus::kFound) continue;
      EXPECT_GE(result.date.origin, c.date->origin) << c.name << cut;
      EXPECT_NE(std::find(times.begin(), times.end(), result.date.time), times.end())
          << c.name << cut;
    }
  }
}

TEST(ShotDate, ADateThatIsBlankZeroOrNotRealGivesWayToTheNext) {
  const Bytes zero = "0000:00:00 00:00:00", blank = "    :  :     :  :  ";
  const struct {
    Bytes original, digitized, modified;
    std::optional<ShotDate> date;
  } rows[] = {
      {"2024:13:03 10:15:00", kDigitizedText, kModifiedText,
       Date(DateOrigin::kCreateDate, kDigitized)},
      {"2023:02:29 10:15:00", zero, kModifiedText, Date(DateOrigin::kIfd0DateTime, kModified)},
      {blank, "2024:05:03 24:00:00", kModifiedText, Date(DateOrigin::kIfd0DateTime, kModified)},
      {"2024:05:03 10:15:00x", kDigitizedText, "", Date(DateOrigin::kCreateDate, kDigitized)},
      {"2024/05/03 10:15:00  ", "", "", Date(DateOrigin::kDateTimeOriginal, kOriginal)},
      {"2024-05-03T10:15:00", "", "", Date(DateOrigin::kDateTimeOriginal, kOriginal)},
      {"2024:04:31 10:15:00", blank, "2024:05:03 10:60:00", std::nullopt},
  };
  for (const bool big : {false, true}) {
    for (const auto& row : rows) {
      EXPECT_EQ(Read(Jpeg(ExifTiff(big, row.original, row.digitized, row.modified))), row.date)
          << row.original;
    }
  }
}

TEST(ShotDate, BrokenStructuresEndTheSearchQuietly) {
  for (const bool big : {false, true}) {
    const Bytes tiff = ExifTiff(big), exif = Bytes("Exif\0\0", 6) + tiff;
    const Bytes loop = tiff.substr(0, 8) + Ifd(big, 8, {{0x0132, kModifiedText}}, 8);
    const Case cases[] = {
        {"empty", "", std::nullopt},
        {"header only", tiff.substr(0, 8), std::nullopt},
        {"IFD0 past the end", Patched(tiff, 4, Num(5000, 4, big)), std::nullopt},
        {"date past the end", Patched(tiff, 68, Num(0xFFFFFFF0, 4, big)),
         Date(DateOrigin::kCreateDate, kDigitized)},
        {"Exif IFD is IFD0", loop, Date(DateOrigin::kIfd0DateTime, kModified)},
        {"65535 entries", Patched(tiff, 8, "\xFF\xFF"),
         Date(DateOrigin::kDateTimeOriginal, kOriginal)},
        {"scan first", "\xFF\xD8" + Segment('\xDA', "x") + Segment('\xE1', exif), std::nullopt},
        {"length 0", "\xFF\xD8\xFF\xE1" + Num(0, 2) + exif, std::nullopt},
        {"IEND first", Patched(Png(tiff, big), 37, "IEND"), std::nullopt},
        {"in idat", Heif(tiff, 1, 2, 1), std::nullopt},
        {"infe 1 names no type", Heif(tiff, 0, 1), std::nullopt},
        {"year 1e11", Mov(1, uint64_t{1} << 62), std::nullopt},
        {"preview past the end", Patched(Raf(Jpeg(tiff)), 84, Num(0xFFFFFF00, 4)), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.file), c.date) << c.name;
  }
}

TEST(ShotDate, LargeBlocksBeforeTheDateAreSkippedUnread) {
  const Bytes files[] = {Jpeg(ExifTiff(false), 60000), Mov(0, kUtcSince1904, "", false, 1 << 20)};
  for (const Bytes& file : files) {
    TestSource source(file);
    EXPECT_EQ(ReadShotDate(source).status, ShotDateStatus::kFound);
    EXPECT_LE(source.bytes, 3 * BoundedReader::kReadAhead);
    EXPECT_LE(source.reads, 3);
  }
}

TEST(DateText, IsoTextsGiveTheInstantOrTheWallClockWithoutAZone) {
  const std::pair<const char*, std::optional<ZonedTime>> rows[] = {
      {"2024-05-03T01:15:00.250Z", ZonedTime{kUtc, true}},
      {"2024-05-02T20:15:00-05:00", ZonedTime{kUtc, true}},
      {"2024-05-03T06:45:00+05:30", ZonedTime{kUtc, true}},
      {"2024-01-01T00:30:00+01", ZonedTime{{2023, 12, 31, 23, 30, 0}, true}},
      {"2024-05-03 10:15:00", ZonedTime{kOriginal, false}},
      {"2024-05-03T10:15:00+2400", std::nullopt},
      {"2024-05-03T10:15:00+09:00 x", std::nullopt},
      {"0001-01-01T00:30:00+01:00", std::nullopt},
  };
  for (const auto& [text, date] : rows) EXPECT_EQ(ParseIsoDate(text), date) << text;
}

TEST(CalendarTime, AddSecondsCountsEveryMonthLeapDayAndYear) {
  const struct {
    CalendarTime from;
    int64_t seconds;
    CalendarTime to;
  } rows[] = {
      {{2024, 2, 28, 23, 59, 59}, 1, {2024, 2, 29, 0, 0, 0}},
      {{2023, 2, 28, 23, 59, 59}, 1, {2023, 3, 1, 0, 0, 0}},
      {{2000, 3, 1, 0, 0, 0}, -86400, {2000, 2, 29, 0, 0, 0}},
      {{1900, 3, 1, 0, 0, 0}, -86400, {1900, 2, 28, 0, 0, 0}},
      {{2024, 12, 31, 23, 59, 59}, 1, {2025, 1, 1, 0, 0, 0}},
      {{1970, 1, 1, 0, 0, 0}, -1, {1969, 12, 31, 23, 59, 59}},
      {{2024, 1, 31, 12, 0, 0}, 30 * 86400 + 3600, {2024, 3, 1, 13, 0, 0}},
      {{2024, 5, 3, 10, 15, 0}, -(366 + 365) * 86400LL, {2022, 5, 3, 10, 15, 0}},
      {{9999, 12, 31, 23, 59, 59}, 1, {}},
      {{1, 1, 1, 0, 0, 0}, -1, {}},
  };
  for (const auto& row : rows) EXPECT_EQ(AddSeconds(row.from, row.seconds), row.to) << row.seconds;
}

// As many real dates, each later than the one before, as years 1-9999 have days: every one of
// them, in order.
TEST(CalendarTime, TheDaysOfYears1To9999AreEveryRealDateInOrder) {
  const int64_t first = DaysFromCivil(1, 1, 1), last = DaysFromCivil(9999, 12, 31);
  EXPECT_EQ(last - first + 1, 9999 * 365 + 2499 - 99 + 24);  // the leap days
  CalendarTime before;
  for (int64_t day = first; day <= last; ++day) {
    const CalendarTime now = CivilFromDays(day);
    ASSERT_TRUE(IsRealTime(now) && DaysFromCivil(now.year, now.month, now.day) == day &&
                std::tie(before.year, before.month, before.day) <
                    std::tie(now.year, now.month, now.day))
        << day;
    before = now;
  }
}

TEST(CalendarTime, OnlyTimesThatExistAreReal) {
  const std::pair<CalendarTime, bool> rows[] = {
      {{2024, 2, 29, 23, 59, 59}, true}, {{2023, 2, 29, 0, 0, 0}, false},
      {{2100, 2, 29, 0, 0, 0}, false},   {{2000, 2, 29, 0, 0, 0}, true},
      {{2024, 4, 31, 0, 0, 0}, false},   {{2024, 13, 1, 0, 0, 0}, false},
      {{2024, 0, 1, 0, 0, 0}, false},    {{2024, 1, 0, 0, 0, 0}, false},
      {{2024, 1, 1, 24, 0, 0}, false},   {{2024, 1, 1, 0, 60, 0}, false},
      {{2024, 1, 1, 0, 0, 60}, false},   {{0, 1, 1, 0, 0, 0}, false},
      {{10000, 1, 1, 0, 0, 0}, false},   {{9999, 12, 31, 0, 0, 0}, true},
  };
  for (const auto& [time, real] : rows)
    EXPECT_EQ(IsRealTime(time), real) << time.year << time.month;
}

}  // namespace
}  // namespace tokiwake::test
