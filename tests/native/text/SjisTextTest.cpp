#include "text/SjisText.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(SjisPos, FindsSingleBytesButNeverATrailByte) {
  EXPECT_EQ(SjisPos("\\", "a\\b"), 2);
  EXPECT_EQ(SjisPos("\\", "ソ"), 0);        // 0x83 0x5C: the trail byte is skipped
  EXPECT_EQ(SjisPos("\\", "表\\"), 3);      // 0x95 0x5C 0x5C
  EXPECT_EQ(SjisPos("|", "\x83\x7C|"), 3);  // trail byte 0x7C is not a candidate either
  EXPECT_EQ(SjisPos("a", "\xF0\x61"), 2);   // 0xF0 is no lead byte for the search (0x61: a)
}

// A failed match resumes at the next character, never on a trail byte: ★ is 0x81 0x9A, and 0x9A
// followed by the 0x81 of 《 would otherwise be taken for one character and 《 skipped.
TEST(SjisPos, FindsADoubleByteNeedleOnlyWhereACharacterStarts) {
  EXPECT_EQ(SjisPos("\x83\x41", "\x83\x83\x41"), 0);
  EXPECT_EQ(SjisPos("aab", "aaab"), 2);
  for (const std::string_view bracket : {"《", "》"}) {
    for (int lead : {0x81, 0x9F, 0xE0, 0xEF}) {
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        const Text character{static_cast<char>(lead), static_cast<char>(trail)};
        if (character == bracket) continue;
        const Text before = "x" + character + Text(bracket) + "y";
        const Text after = Text(bracket) + character + Text(bracket);
        ASSERT_EQ(SjisPos(bracket, before), 4) << lead << " " << trail;
        ASSERT_EQ(SjisPos(bracket, after), 1) << lead << " " << trail;
        ASSERT_EQ(SjisPos(bracket, after.substr(2)), 3) << lead << " " << trail;
      }
    }
  }
}

TEST(SjisPos, EmptyAndOversizedInputsGiveZero) {
  EXPECT_EQ(SjisPos("", "abc"), 0);
  EXPECT_EQ(SjisPos("a", ""), 0);
  EXPECT_EQ(SjisPos("abcd", "abc"), 0);
  EXPECT_EQ(SjisPos("bc", "ab"), 0);  // partial match running past the end
  EXPECT_EQ(SjisPos("\r\n", "one\ntwo"), 0);
  EXPECT_EQ(SjisPos("\x83", "\x83"), 1);  // a lone lead byte at the end is an ordinary byte
}

TEST(SjisPosNoCase, IgnoresAsciiCaseOnly) {
  EXPECT_EQ(SjisPosNoCase("YYYY", "yyyy.mm.dd-cnt2"), 1);
  EXPECT_EQ(SjisPos("YYYY", "yyyy.mm.dd-cnt2"), 0);
  EXPECT_EQ(SjisPosNoCase("cnt", "xCnT"), 2);
  // Upper-casing a trail byte 0x61..0x7A can make it a letter match only after a lead byte is seen
  // as such: 0x83 0x61 is one character, so "A" is not found inside it.
  EXPECT_EQ(SjisPosNoCase("a", "\x83\x61"), 0);
}

TEST(SplitHead, CutsAtTheFirstSeparator) {
  Text held = "one\r\ntwo\r\nthree\r\n";
  EXPECT_EQ(SplitHead("\r\n", held), "one");
  EXPECT_EQ(held, "two\r\nthree\r\n");

  held = "no line end";
  EXPECT_EQ(SplitHead("\r\n", held), "no line end");
  EXPECT_EQ(held, "");

  held = "\r\nrest";
  EXPECT_EQ(SplitHead("\r\n", held), "");
  EXPECT_EQ(held, "rest");

  held = "aCNTb";
  EXPECT_EQ(SplitHeadNoCase("cnt", held), "a");
  EXPECT_EQ(held, "b");
}

TEST(LeftRightChars, FollowTheSubTextRule) {
  EXPECT_EQ(LeftChars(3, "C:\\WINDOWS\\"), "C:\\");
  EXPECT_EQ(LeftChars(0, "abc"), "");
  EXPECT_EQ(LeftChars(-1, "abc"), "");
  EXPECT_EQ(LeftChars(10, "abc"), "abc");
  EXPECT_EQ(RightChars(1, "C:\\"), "\\");
  EXPECT_EQ(RightChars(1, ""), "");
  EXPECT_EQ(RightChars(5, "DSC00012.JPG"), "2.JPG");
  EXPECT_EQ(RightChars(5, "abc"), "abc");
  EXPECT_EQ(RightChars(0, "abc"), "");
}

TEST(HasBadNameChar, CountsTheNineSingleByteCharactersAndControlCharacters) {
  EXPECT_FALSE(HasBadNameChar("yyyy年mm月dd日 hh時mn分ss秒"));
  EXPECT_FALSE(HasBadNameChar("ソ"));
  EXPECT_FALSE(HasBadNameChar("表"));
  EXPECT_FALSE(HasBadNameChar("\xEA\x7C"));  // a double-byte character ending in 0x7C
  EXPECT_FALSE(HasBadNameChar(""));
  EXPECT_TRUE(HasBadNameChar("yyyy/mm/dd"));
  EXPECT_TRUE(HasBadNameChar("a\"b"));
  for (char c : std::string("\\/:*?\"<>|")) EXPECT_TRUE(HasBadNameChar(std::string("x") + c)) << c;
  EXPECT_TRUE(HasBadNameChar("ソ\\"));
  // Control characters: one of them in a pattern would fail every file of a run.
  for (int c = 0x00; c < 0x20; ++c) {
    EXPECT_TRUE(HasBadNameChar("yyyy" + std::string(1, static_cast<char>(c)) + "mm")) << c;
  }
  EXPECT_FALSE(HasBadNameChar("\x7F ~"));
  EXPECT_TRUE(HasBadNameChar("yyyy-mm-dd\x81"));  // half a character
  EXPECT_TRUE(HasBadNameChar("\x81 yyyy"));
  // A lead byte pairs only with a trail byte: it hides neither a slash nor a line end.
  EXPECT_TRUE(HasBadNameChar("\x81/"));
  EXPECT_TRUE(HasBadNameChar("\x81\n"));
  EXPECT_TRUE(HasBadNameChar("\xE0:"));
}

TEST(CountChars, CountsADoubleByteCharacterOnce) {
  EXPECT_EQ(CountChars("jpg"), 3);
  EXPECT_EQ(CountChars("ｊｐｇ"), 3);
  EXPECT_EQ(CountChars("ｶﾒﾗ"), 3);  // half-width katakana are single bytes
  EXPECT_EQ(CountChars(""), 0);
}

TEST(AsciiCase, LowerKeepsDoubleByteCharactersWhileUpperFoldsEveryByte) {
  EXPECT_EQ(AsciiLower("DSC.JPG"), "dsc.jpg");
  EXPECT_EQ(AsciiLower("アA"), "アa");            // 0x83 0x41: the trail byte stays
  EXPECT_EQ(AsciiLower("\x83"), "\x83");          // a lone lead byte at the end
  EXPECT_EQ(AsciiUpper("\x83\x61"), "\x83\x41");  // the search folds trail bytes too
}

}  // namespace
}  // namespace tokiwake::test
