#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(Cp932, RoundTripsJapaneseAndReportsWhatItCannotHold) {
  const Text japanese = "ソ表ｶﾒﾗ写真.jpg";
  const Narrowed back = ToCp932(ToWide(japanese));
  EXPECT_TRUE(back.exact);
  EXPECT_EQ(back.text, japanese);

  EXPECT_FALSE(ToCp932(L"\u00A5").exact);      // yen sign: best fit would give a backslash
  EXPECT_FALSE(ToCp932(L"\U0001F600").exact);  // an emoji
  EXPECT_FALSE(ToCp932(L"\uD55C").exact);      // a Korean letter
  EXPECT_FALSE(ToCp932(L"\u00E9").exact);      // an accented letter
  EXPECT_EQ(ToCp932(L"a\u00A5b").text, "a?b");
}

}  // namespace
}  // namespace tokiwake::test
