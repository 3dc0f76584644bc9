#include "rename/NameTime.h"

#include <gtest/gtest.h>

#include "media/MediaFiles.h"
#include "rename/FakeDisk.h"

namespace tokiwake::test {
namespace {

constexpr int64_t kFrom1904 = 2082844800;  // seconds from 1904 to 1970

TEST(TimeForName, TakesTheFilesOwnDateInOrderAndFallsBackToItsLastWriteTime) {
  const Bytes exif = Tiff(false, {{0x0132, "2024:05:03 09:00:00"}},
                          {{0x9003, "2024:05:03 10:15:01"}, {0x9004, "2024:05:03 10:16:00"}});
  const int64_t moviesUtc = UnixSecondsFromUtc({2024, 5, 3, 1, 15, 0}) + kFrom1904;
  const struct {
    Bytes content;
    bool useShotDate;
    int64_t correction;
    const char* timeText;
    TimeOrigin origin;
  } rows[] = {
      {Jpeg(exif), true, 0, "2024/05/03 10:15:01", TimeOrigin::kShot},  // odd seconds stay
      {Jpeg(exif), false, 0, "2010/05/23 10:20:30", TimeOrigin::kLastWrite},
      {Jpeg(Tiff(true, {{0x0132, "2024:05:03 09:00:00"}}, {{0x9003, "0000:00:00 00:00:00"}})), true,
       0, "2024/05/03 9:00:00", TimeOrigin::kCreated},
      {Png(Tiff(true, {}, {{0x9004, "2024:02:30 10:00:00"}}), false), true, 0,
       "2010/05/23 10:20:30", TimeOrigin::kLastWrite},  // 30 February is no date
      {"no date at all", true, 0, "2010/05/23 10:20:30", TimeOrigin::kLastWrite},
      {Mov(0, moviesUtc), true, 0, "2024/05/03 10:15:00", TimeOrigin::kMovie},  // UTC to local
      {Mov(1, moviesUtc, "2024-05-03T10:15:00+0200"), true, 0, "2024/05/03 17:15:00",
       TimeOrigin::kMovie},
      {Jpeg(exif), true, 86400 - 300, "2024/05/04 10:10:01", TimeOrigin::kShot},
      {"", false, -(20 * 60 + 30), "2010/05/23 10:00:00", TimeOrigin::kLastWrite},
      {"", false, -2010LL * 366 * 86400, "2010/05/23 10:20:30", TimeOrigin::kLastWrite},
  };
  for (const auto& row : rows) {
    FakeDisk disk;
    disk.AddFile("C:\\f\\a.jpg").content = row.content;
    const FolderEntry entry = disk.ListFolder("C:\\f").front();
    RunInputs inputs;
    inputs.useShotDate = row.useShotDate;
    inputs.clockCorrection = row.correction;
    const NameTime time = TimeForName(disk, "C:\\f\\a.jpg", entry, inputs);
    EXPECT_EQ(TimeTextForName(time), row.timeText) << row.timeText;
    EXPECT_EQ(time.origin, row.origin) << row.timeText;
    EXPECT_FALSE(time.unreadable);
  }
}

TEST(TimeForName, AFileThatCannotBeReadIsNamedAfterItsLastWriteTimeAndSaysSo) {
  FakeDisk disk;
  FakeNode& file = disk.AddFile("C:\\f\\a.jpg");
  file.content = Jpeg(Tiff(false, {}, {{0x9003, "2024:05:03 10:15:00"}}));
  file.locked = true;
  RunInputs inputs;
  inputs.useShotDate = true;
  const NameTime time = TimeForName(disk, "C:\\f\\a.jpg", disk.ListFolder("C:\\f").front(), inputs);
  EXPECT_EQ(TimeTextForName(time), "2010/05/23 10:20:30");
  EXPECT_TRUE(time.unreadable);
  EXPECT_EQ(CorrectionText(-(86400 + 2 * 3600 + 3 * 60 + 4)), "-1日 2時間 3分 4秒");
}

}  // namespace
}  // namespace tokiwake::test
