#include "rename/NameTime.h"

#include <string>

#include "media/ShotDate.h"
#include "rename/Walk.h"

namespace tokiwake {

namespace {

TimeOrigin OriginOf(DateOrigin origin) {
  switch (origin) {
    case DateOrigin::kDateTimeOriginal:
      return TimeOrigin::kShot;
    case DateOrigin::kCreateDate:
    case DateOrigin::kIfd0DateTime:
      return TimeOrigin::kCreated;
    case DateOrigin::kQuickTimeCreationDate:
    case DateOrigin::kMovieHeader:
      return TimeOrigin::kMovie;
  }
  return TimeOrigin::kLastWrite;
}

NameTime ShotTime(FileSystem& disk, const Text& path, const FolderEntry& entry) {
  const NameTime lastWrite{entry.lastWrite, TimeOrigin::kLastWrite, false};
  const std::unique_ptr<ReadableFile> file = disk.OpenForReading(path);
  if (!file) return {entry.lastWrite, TimeOrigin::kLastWrite, true};
  const ShotDateResult read = ReadShotDate(*file);
  switch (read.status) {
    case ShotDateStatus::kAbsent:
      return lastWrite;
    case ShotDateStatus::kUnreadable:
      return {entry.lastWrite, TimeOrigin::kLastWrite, true};
    case ShotDateStatus::kFound:
      break;
  }
  const LocalTime local = read.date.isUtc ? disk.LocalFromUtc(read.date.time) : read.date.time;
  if (!IsRealTime(local)) return lastWrite;
  return {local, OriginOf(read.date.origin), false};
}

}  // namespace

// A correction that would leave the calendar's years 1-9999 is not applied.
NameTime TimeForName(FileSystem& disk, const Text& path, const FolderEntry& entry,
                     const RunInputs& inputs) {
  NameTime chosen = inputs.useShotDate ? ShotTime(disk, path, entry)
                                       : NameTime{entry.lastWrite, TimeOrigin::kLastWrite, false};
  if (inputs.clockCorrection != 0) {
    const LocalTime corrected = AddSeconds(chosen.time, inputs.clockCorrection);
    if (IsRealTime(corrected)) chosen.time = corrected;
  }
  return chosen;
}

Text TimeTextForName(const NameTime& time) {
  return MakeTimeText(time.time, time.origin == TimeOrigin::kLastWrite);
}

Text CorrectionText(int64_t seconds) {
  const char* sign = seconds < 0 ? "-" : "+";
  const int64_t size = seconds < 0 ? -seconds : seconds;
  return sign + std::to_string(size / 86400) + "日 " + std::to_string(size / 3600 % 24) + "時間 " +
         std::to_string(size / 60 % 60) + "分 " + std::to_string(size % 60) + "秒";
}

}  // namespace tokiwake
