// The clock correction as the dialog shows it: a direction and days, hours, minutes and seconds,
// and the line that shows what it does to a sample time.
#pragma once

#include <cstdint>

#include "text/SjisText.h"

namespace tokiwake {

struct CorrectionParts {
  bool back = false;  // toward earlier times
  // As typed: a field may hold more than its unit's share (90 minutes), or nothing (0).
  int64_t days = 0;
  int64_t hours = 0;
  int64_t minutes = 0;
  int64_t seconds = 0;
  bool operator==(const CorrectionParts&) const = default;
};

// The signed seconds, held to kLongestCorrection either way; no parts are negative.
int64_t SecondsFromParts(const CorrectionParts& parts);

// Whole days, then hours under 24, minutes and seconds under 60, of the correction held to
// kLongestCorrection; zero goes forward.
CorrectionParts PartsFromSeconds(int64_t seconds);

// "2024/05/03 10:15:00 → 2024/05/04 10:10:00": a fixed sample time and the same time corrected.
Text CorrectionExample(int64_t seconds);

}  // namespace tokiwake
