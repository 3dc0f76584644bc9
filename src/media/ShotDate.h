// When a photo or movie was taken, as the file itself records it. Portable: the caller supplies
// the file as a ByteSource and turns what comes back into a local time and a name.
#pragma once

#include "media/ByteSource.h"
#include "media/CalendarTime.h"

namespace tokiwake {

// Where the date came from, in the order they are tried: the first present and real one wins.
enum class DateOrigin {
  kDateTimeOriginal,       // Exif 0x9003 (in the Exif IFD)
  kCreateDate,             // Exif 0x9004 DateTimeDigitized (in the Exif IFD)
  kIfd0DateTime,           // 0x0132 in IFD0
  kQuickTimeCreationDate,  // the key com.apple.quicktime.creationdate (carries its own zone)
  kMovieHeader,            // mvhd creation time (seconds since 1904-01-01, UTC)
};

struct ShotDate {
  DateOrigin origin = DateOrigin::kDateTimeOriginal;
  // Exif origins: the wall-clock time as written (Exif has no zone; used as written).
  // Video origins: the instant, as a UTC calendar time (isUtc = true); the caller converts it to
  // local time with the zone rules of that date. A QuickTime creation date written without a
  // zone is the one video date taken as written (isUtc = false).
  CalendarTime time;
  bool isUtc = false;
  bool operator==(const ShotDate&) const = default;
};

enum class ShotDateStatus {
  kFound,
  kAbsent,      // no date in the file, or a format the reader does not know
  kUnreadable,  // a read of the file failed: nothing read from it is trusted
};

struct ShotDateResult {
  ShotDateStatus status = ShotDateStatus::kAbsent;
  ShotDate date;  // when found
};

// The format is told by the file's first bytes, never by its name. Reads a few KiB of a photo,
// and at most BoundedReader's caps of any file.
ShotDateResult ReadShotDate(ByteSource& file);

}  // namespace tokiwake
