#include "ui/rules/ClockCorrection.h"

#include <algorithm>

#include "media/CalendarTime.h"
#include "settings/Options.h"
#include "text/Digits.h"

namespace tokiwake {

namespace {

// A day in spring away from every month end, so that a small correction changes one field only.
constexpr CalendarTime kSampleTime{2024, 5, 3, 10, 15, 0};

int64_t Held(int64_t seconds) {
  return std::clamp(seconds, -kLongestCorrection, kLongestCorrection);
}

// Each part is held first: five digits of days times 86400 cannot overflow, but a caller's
// larger numbers could.
int64_t HeldPart(int64_t count, int64_t unit) {
  return std::clamp<int64_t>(count, 0, kLongestCorrection / unit + 1) * unit;
}

Text TimeText(const CalendarTime& time) {
  return ZeroPadded(time.year, 4) + "/" + ZeroPadded(time.month, 2) + "/" +
         ZeroPadded(time.day, 2) + " " + ZeroPadded(time.hour, 2) + ":" +
         ZeroPadded(time.minute, 2) + ":" + ZeroPadded(time.second, 2);
}

}  // namespace

int64_t SecondsFromParts(const CorrectionParts& parts) {
  const int64_t size = HeldPart(parts.days, 86400) + HeldPart(parts.hours, 3600) +
                       HeldPart(parts.minutes, 60) + HeldPart(parts.seconds, 1);
  return Held(parts.back ? -size : size);
}

CorrectionParts PartsFromSeconds(int64_t seconds) {
  const int64_t held = Held(seconds);
  const int64_t size = held < 0 ? -held : held;
  return {held < 0, size / 86400, size / 3600 % 24, size / 60 % 60, size % 60};
}

Text CorrectionExample(int64_t seconds) {
  return TimeText(kSampleTime) + " → " + TimeText(AddSeconds(kSampleTime, Held(seconds)));
}

}  // namespace tokiwake
