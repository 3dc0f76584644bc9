#include "media/CalendarTime.h"

namespace tokiwake {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
// 0001-01-01 and 10000-01-01, as days since 1970-01-01.
constexpr int64_t kFirstDay = -719162;
constexpr int64_t kEndDay = 2932897;

// Rounds toward minus infinity, so times before 1970 split into days and seconds the same way.
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

bool IsLeapYear(int64_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int32_t DaysInMonth(int64_t year, int32_t month) {
  static constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsRealTime(const CalendarTime& t) {
  return t.year >= 1 && t.year <= 9999 && t.day >= 1 && t.day <= DaysInMonth(t.year, t.month) &&
         t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

// The year is counted from March, so that the leap day ends it and the 400-year cycle
// (146097 days) repeats exactly.
int64_t DaysFromCivil(int64_t year, int32_t month, int32_t day) {
  const int64_t y = year - (month <= 2 ? 1 : 0);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CalendarTime CivilFromDays(int64_t days) {
  if (days < kFirstDay || days >= kEndDay) return {};
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  CalendarTime time;
  time.day = static_cast<int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  time.month = static_cast<int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  time.year = static_cast<int32_t>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
  return time;
}

int64_t UnixSecondsFromUtc(const CalendarTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + int64_t{t.hour} * 3600 +
         int64_t{t.minute} * 60 + t.second;
}

CalendarTime UtcFromUnixSeconds(int64_t seconds) {
  const int64_t days = FloorDiv(seconds, kSecondsPerDay);
  CalendarTime time = CivilFromDays(days);
  if (time.year == 0) return {};
  const int64_t ofDay = seconds - days * kSecondsPerDay;
  time.hour = static_cast<int32_t>(ofDay / 3600);
  time.minute = static_cast<int32_t>(ofDay / 60 % 60);
  time.second = static_cast<int32_t>(ofDay % 60);
  return time;
}

CalendarTime AddSeconds(const CalendarTime& time, int64_t seconds) {
  // Far enough outside years 1-9999 from any time in them, and far from overflowing.
  constexpr int64_t kSpan = (kEndDay - kFirstDay + 1) * kSecondsPerDay;
  if (seconds > kSpan || seconds < -kSpan) return {};
  return UtcFromUnixSeconds(UnixSecondsFromUtc(time) + seconds);
}

}  // namespace tokiwake
