// The dates a movie keeps in its 'moov': the creation date a camera or phone writes as QuickTime
// metadata, with its zone, and the movie header's creation time.
#pragma once

#include <optional>

#include "media/BoundedReader.h"
#include "media/CalendarTime.h"
#include "media/DateText.h"
#include "media/IsoBmff.h"

namespace tokiwake {

struct MovieDates {
  // The key com.apple.quicktime.creationdate: the UTC instant, or a wall-clock time when the text
  // gives no zone.
  std::optional<ZonedTime> creationDate;
  // The movie header's creation time as a UTC calendar time; a zero count means none was set.
  std::optional<CalendarTime> movieHeader;
};

MovieDates ReadMovieDates(BoundedReader& file, const Box& moov);

}  // namespace tokiwake
