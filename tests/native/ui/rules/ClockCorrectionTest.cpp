#include "ui/rules/ClockCorrection.h"

#include <gtest/gtest.h>

#include <limits>

#include "settings/Options.h"

namespace tokiwake::test {
namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kMost = std::numeric_limits<int64_t>::max();

TEST(ClockCorrection, PartsGiveHeldSecondsAndComeBackInTheirUnits) {
  const struct {
    CorrectionParts typed;
    int64_t seconds;
    CorrectionParts shown;
  } rows[] = {
      {{false, 0, 0, 0, 0}, 0, {false, 0, 0, 0, 0}},
      {{true, 0, 0, 0, 0}, 0, {false, 0, 0, 0, 0}},  // zero back is zero forward
      {{false, 1, 2, 3, 4}, 93784, {false, 1, 2, 3, 4}},
      {{true, 1, 2, 3, 4}, -93784, {true, 1, 2, 3, 4}},
      {{false, 0, 0, 90, 0}, 5400, {false, 0, 1, 30, 0}},
      {{true, 0, 99, 99, 99}, -362439, {true, 4, 4, 40, 39}},
      {{false, 36500, 0, 0, 0}, kLongestCorrection, {false, 36500, 0, 0, 0}},
      {{false, 36500, 0, 0, 1}, kLongestCorrection, {false, 36500, 0, 0, 0}},
      {{true, 99999, 99, 99, 99}, -kLongestCorrection, {true, 36500, 0, 0, 0}},
      {{false, kMost, kMost, kMost, kMost}, kLongestCorrection, {false, 36500, 0, 0, 0}},
      {{false, -5, 0, 0, 7}, 7, {false, 0, 0, 0, 7}},  // a negative part counts nothing
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.seconds);
    EXPECT_EQ(SecondsFromParts(row.typed), row.seconds);
    EXPECT_EQ(PartsFromSeconds(row.seconds), row.shown);
  }
  EXPECT_EQ(PartsFromSeconds(std::numeric_limits<int64_t>::min()),
            (CorrectionParts{true, 36500, 0, 0, 0}));
  EXPECT_EQ(PartsFromSeconds(kMost), (CorrectionParts{false, 36500, 0, 0, 0}));
}

TEST(ClockCorrection, TheExampleCorrectsTheSampleTimeOnTheCalendar) {
  const struct {
    int64_t seconds;
    const char* example;
  } rows[] = {
      {0, "2024/05/03 10:15:00 → 2024/05/03 10:15:00"},
      {kDay - 300, "2024/05/03 10:15:00 → 2024/05/04 10:10:00"},
      {28 * kDay + 13 * 3600 + 45 * 60, "2024/05/03 10:15:00 → 2024/06/01 00:00:00"},
      {-(10 * 3600 + 15 * 60 + 1), "2024/05/03 10:15:00 → 2024/05/02 23:59:59"},
      {-64 * kDay, "2024/05/03 10:15:00 → 2024/02/29 10:15:00"},
      {-65 * kDay, "2024/05/03 10:15:00 → 2024/02/28 10:15:00"},
      {-366 * kDay, "2024/05/03 10:15:00 → 2023/05/03 10:15:00"},
      {kLongestCorrection, "2024/05/03 10:15:00 → 2124/04/09 10:15:00"},
      {kMost, "2024/05/03 10:15:00 → 2124/04/09 10:15:00"},
      {-kLongestCorrection, "2024/05/03 10:15:00 → 1924/05/28 10:15:00"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(CorrectionExample(row.seconds), row.example) << row.seconds;
}

}  // namespace
}  // namespace tokiwake::test
