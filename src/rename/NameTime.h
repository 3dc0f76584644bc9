// The time a file's name is built from: its last-write time, or with the shooting-date option the
// time the file itself says it was taken, and in either case the clock correction added.
#pragma once

#include "rename/FileSystem.h"
#include "rename/HandledFile.h"
#include "rename/RunWindow.h"

namespace tokiwake {

struct NameTime {
  LocalTime time;
  TimeOrigin origin = TimeOrigin::kLastWrite;
  bool unreadable = false;  // the file could not be read for its date
};

// A file that cannot be opened or read to the end of its date falls back to its last-write time,
// never to a date read in part.
NameTime TimeForName(FileSystem& disk, const Text& path, const FolderEntry& entry,
                     const RunInputs& inputs);

// The time text the name pattern takes. A last-write time keeps the two-second steps of a camera's
// FAT stamp; a time the file records is exact to the second.
Text TimeTextForName(const NameTime& time);

// "+1日 2時間 3分 4秒", or "-0日 ..." for a correction back in time.
Text CorrectionText(int64_t seconds);

}  // namespace tokiwake
