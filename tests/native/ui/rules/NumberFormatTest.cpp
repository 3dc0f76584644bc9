#include "ui/rules/NumberFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace tokiwake::test {
namespace {

constexpr char kMask[] = "##,###,###.##";

TEST(FormatNumber, FitsTheNumberToTheVersionMask) {
  struct Case {
    const char* number;
    const char* expected;
  };
  const Case cases[] = {
      {"1.00000500679016", "1.00"},
      {"1234.5", "1,234.5"},               // fraction shorter than the mask: no padding
      {"1234567", "1,234,567"},            // no point in the number: no point in the result
      {"123456789.123", "23,456,789.12"},  // digits beyond the mask's places drop off the front
      {"1", "1"},
      {"123", "123"},  // no separator in front of the first digit
      {"1000", "1,000"},
      {"0.5", "0.5"},
      {".5", ".5"},
      {"12.", "12."},
      {"", ""},
      {"-1.5", "-1.5"},  // not plain digits: returned as it is
      {"1,5", "1,5"},    // a comma as decimal separator
      {"1e+20", "1e+20"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(kMask, c.number), c.expected) << c.number;
  }
}

TEST(FormatNumber, OtherMasks) {
  EXPECT_EQ(FormatNumber("#,###", "1234.56"), "1,234");  // no point in the mask
  EXPECT_EQ(FormatNumber("###.#,#", "1.234"), "1.2,3");
  EXPECT_EQ(FormatNumber("#0#", "123"), "23");  // other mask characters print and use nothing
}

TEST(IsDecimalText, AcceptsOnlyDigitsAndPoints) {
  EXPECT_TRUE(IsDecimalText(""));
  EXPECT_TRUE(IsDecimalText("0123456789."));
  EXPECT_TRUE(IsDecimalText("1.2.3"));
  for (const char* text : {"-1", "1,0", "1e5", " 1", "１", "+1"}) {
    EXPECT_FALSE(IsDecimalText(text)) << text;
  }
}

TEST(VersionText, TheProgramsNumberReadsOnePointZeroZero) {
  const float stored = std::bit_cast<float>(uint32_t{0x3F80002A});
  EXPECT_EQ(FloatText(stored), "1.00000500679016");
  EXPECT_EQ(VersionText(stored), "1.00");
  EXPECT_EQ(FloatText(1.0f), "1");
  EXPECT_EQ(VersionText(1.0f), "1");
  EXPECT_EQ(FloatText(-2.5f), "-2.5");
  EXPECT_EQ(VersionText(-2.5f), "-2.5");
  EXPECT_EQ(FloatText(1e20f), "1.00000002004088e+20");
}

}  // namespace
}  // namespace tokiwake::test
