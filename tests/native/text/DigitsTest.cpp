#include "text/Digits.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(ZeroPadded, FillsOnlyAShorterTextThatHasDigits) {
  EXPECT_EQ(ZeroPadded("5", 2), "05");
  EXPECT_EQ(ZeroPadded("12", 2), "12");
  EXPECT_EQ(ZeroPadded("123", 2), "123");
  EXPECT_EQ(ZeroPadded("", 2), "");  // a time text without that field keeps it empty
  EXPECT_EQ(ZeroPadded(7, 4), "0007");
  EXPECT_EQ(ZeroPadded(2010, 4), "2010");
  EXPECT_EQ(ZeroPadded(12345, 4), "12345");
}

}  // namespace
}  // namespace tokiwake::test
