// Dates and times of day on the proleptic Gregorian calendar, and the exact arithmetic between
// them and counts of seconds. No time zone is involved: a time is whatever clock it was read from.
#pragma once

#include <cstdint>

namespace tokiwake {

struct CalendarTime {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
  bool operator==(const CalendarTime&) const = default;
};

bool IsLeapYear(int64_t year);
int32_t DaysInMonth(int64_t year, int32_t month);

// A date that exists, in years 1-9999, at a time of day 00:00:00-23:59:59 (no leap second).
bool IsRealTime(const CalendarTime& time);

// Days since 1970-01-01 (negative before it); any month and day in range are taken as they are.
int64_t DaysFromCivil(int64_t year, int32_t month, int32_t day);
// The date `days` after 1970-01-01, at midnight; year 0 and all zeros outside years 1-9999.
CalendarTime CivilFromDays(int64_t days);

// Seconds since 1970-01-01 00:00:00, as if the time were UTC.
int64_t UnixSecondsFromUtc(const CalendarTime& time);
// The UTC calendar time; all zeros (not a real time) for an instant outside years 1-9999.
CalendarTime UtcFromUnixSeconds(int64_t seconds);

// The time `seconds` later (earlier when negative), across months and years; all zeros when
// that leaves years 1-9999.
CalendarTime AddSeconds(const CalendarTime& time, int64_t seconds);

}  // namespace tokiwake
