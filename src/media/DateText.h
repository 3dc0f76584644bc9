// The two ways a shooting date is written as text: Exif's wall-clock "YYYY:MM:DD HH:MM:SS" and
// the ISO 8601 instant a QuickTime movie keeps with its zone.
#pragma once

#include <optional>
#include <string_view>

#include "media/CalendarTime.h"

namespace tokiwake {

// "YYYY:MM:DD HH:MM:SS", the date parts also split by '-' or '/', and the time by a space or 'T';
// any NULs and spaces after it are padding. Nothing when blank, malformed or not a real time.
std::optional<CalendarTime> ParseExifDate(std::string_view text);

struct ZonedTime {
  CalendarTime time;  // UTC when `isUtc`, else the wall-clock time as written
  bool isUtc = false;
  bool operator==(const ZonedTime&) const = default;
};
// "YYYY-MM-DDTHH:MM:SS", optionally with fractions of a second, then "Z", "+HHMM", "+HH:MM" or
// "+HH" (or '-'): the UTC instant. Without a zone the wall-clock time as written.
std::optional<ZonedTime> ParseIsoDate(std::string_view text);

}  // namespace tokiwake
