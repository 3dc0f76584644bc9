#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {
namespace {

// The half-width test of a new extension trusts CountChars to count as Windows converts.
TEST(CountChars, AgreesWithTheLengthOfTheTextInUtf16) {
  const Text texts[] = {
      "",
      "jpg",
      " ",
      "ｊｐｇ",
      "ｶﾒﾗ",  // half-width katakana: single bytes
      "ﾃﾞｼﾞｶﾒ.raw",
      "ソ表十能",  // trail byte 0x5C
      "ア",        // trail byte 0x41, an ASCII letter
      "デジカメ写真 2010.JPG",
      "①Ⅷ㈱",                  // NEC special characters, row 13
      "髙﨑",                  // IBM extensions, lead bytes 0xFA-0xFC
      "\xF0\x40\xF9\xFC",      // the user-defined area, lead bytes 0xF0-0xF9
      "\x80\xA0\xFD\xFE\xFF",  // single bytes with no character of code page 932 behind
      "a\x81\x40z",            // the ideographic space
      Text(255, 'x'),
  };
  for (const Text& text : texts) {
    EXPECT_EQ(CountChars(text), static_cast<int32_t>(ToWide(text).size()))
        << "text \"" << test::ForLog(text) << "\", " << text.size() << " bytes";
  }
}

}  // namespace
}  // namespace tokiwake::test
