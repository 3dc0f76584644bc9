#include "rename/ExtensionMask.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

const std::vector<Text> kDefaultList = {"*.jpg", "*.jpeg", "*.gif", "*.bmp"};

MaskDecision Decide(std::string_view typed, const std::vector<Text>& items = kDefaultList) {
  return DecideNewMask(typed, true, items);
}

Text MaskOf(std::string_view typed, const std::vector<Text>& items = kDefaultList) {
  const MaskDecision decision = Decide(typed, items);
  EXPECT_EQ(decision.refusal, MaskRefusal::None) << "input \"" << typed << "\"";
  return decision.mask;
}

void ExpectRefused(std::string_view typed, MaskRefusal refusal,
                   const std::vector<Text>& items = kDefaultList) {
  const MaskDecision decision = Decide(typed, items);
  EXPECT_EQ(decision.refusal, refusal) << "input \"" << typed << "\"";
  EXPECT_EQ(decision.mask, "") << "input \"" << typed << "\"";
}

TEST(DecideNewMask, LowerCasesAndKeepsWhatFollowsTheLastDot) {
  EXPECT_EQ(MaskOf("PNG"), "*.png");
  EXPECT_EQ(MaskOf("*.Raw"), "*.raw");
  EXPECT_EQ(MaskOf(".tif"), "*.tif");
  EXPECT_EQ(MaskOf("tar.gz"), "*.gz");
  EXPECT_EQ(MaskOf("ｶﾒﾗ"), "*.ｶﾒﾗ");  // half-width katakana are single bytes and stay as typed
  EXPECT_EQ(MaskOf("ﾃﾞｼﾞｶﾒ.Raw"), "*.raw");
}

TEST(DecideNewMask, TestsForDuplicatesBeforeTheDotsAreCut) {
  // "x.jpg" is no item's tail, so a second "*.jpg" is made.
  EXPECT_EQ(MaskOf("x.jpg"), "*.jpg");
  EXPECT_EQ(MaskOf("x.JPG"), "*.jpg");
  EXPECT_EQ(MaskOf("tar.gz", {"*.gz"}), "*.gz");
}

TEST(DecideNewMask, RefusesATailOfAnyItemTickedOrNot) {
  ExpectRefused("JPG", MaskRefusal::AlreadyRegistered);
  ExpectRefused(".jpg", MaskRefusal::AlreadyRegistered);
  ExpectRefused("*.jpg", MaskRefusal::AlreadyRegistered);  // after the "*" is cut: ".jpg"
  ExpectRefused("peg", MaskRefusal::AlreadyRegistered);    // the tail of "*.jpeg"
  ExpectRefused("g", MaskRefusal::AlreadyRegistered);
  ExpectRefused("mp", MaskRefusal::AlreadyRegistered);
  ExpectRefused("x.gz", MaskRefusal::AlreadyRegistered, {"ax.gz"});
  ExpectRefused("gz", MaskRefusal::AlreadyRegistered, {"gz"});
  // An item shorter than the input is compared whole, so it is no match.
  EXPECT_EQ(MaskOf(".gz", {"gz"}), "*.gz");
  // The comparison is of bytes: a mask loaded in capitals does not hold back its lower case.
  EXPECT_EQ(MaskOf("png", {"*.PNG"}), "*.png");
  EXPECT_EQ(MaskOf("jpg", {""}), "*.jpg");
}

TEST(DecideNewMask, RefusesTheNineForbiddenCharactersAfterForgivingTheFirstStar) {
  ExpectRefused("*", MaskRefusal::ForbiddenChar);
  ExpectRefused("png*", MaskRefusal::ForbiddenChar);   // nothing follows the "*"
  ExpectRefused("*.*", MaskRefusal::ForbiddenChar);    // the second "*"
  ExpectRefused("a*b*c", MaskRefusal::ForbiddenChar);  // only the first "*" is cut
  for (const char* typed : {"a\\b", "a/b", "a:b", "a?b", "a\"b", "a<b", "a>b", "a|b"}) {
    ExpectRefused(typed, MaskRefusal::ForbiddenChar);
  }
  // Whatever stood before the first "*" is dropped with it.
  EXPECT_EQ(MaskOf("ab*Png"), "*.png");
  EXPECT_EQ(MaskOf("x?*tif"), "*.tif");
}

TEST(DecideNewMask, RefusesAnExtensionThatEndsWithADot) {
  ExpectRefused("jpg.", MaskRefusal::TrailingDot);
  ExpectRefused(".", MaskRefusal::TrailingDot);
  ExpectRefused("*.", MaskRefusal::TrailingDot);
}

TEST(DecideNewMask, RefusesAnythingThatIsNotHalfWidth) {
  ExpectRefused("ｊｐｇ", MaskRefusal::NotHalfWidth);
  ExpectRefused("jpg写", MaskRefusal::NotHalfWidth);
  // The width test comes before every other one.
  ExpectRefused("＊", MaskRefusal::NotHalfWidth);
  ExpectRefused("ア*", MaskRefusal::NotHalfWidth);  // 0x83 0x41: a trail byte that is a letter
  ExpectRefused("表.", MaskRefusal::NotHalfWidth);  // trail byte 0x5C
  // A character that code page 932 lacks arrives as "?": it is not taken for a forbidden one.
  EXPECT_EQ(DecideNewMask("caf?", false, kDefaultList).refusal, MaskRefusal::NotHalfWidth);
  EXPECT_EQ(DecideNewMask("", false, kDefaultList).refusal, MaskRefusal::NotHalfWidth);
}

TEST(DecideNewMask, HandlesTheEmptyABlankAndTheLongestInput) {
  ExpectRefused("", MaskRefusal::Silent);
  EXPECT_EQ(MaskOf(" "), "*. ");  // a blank is an ordinary byte here
  EXPECT_EQ(MaskOf(" .x"), "*.x");
  const Text longest(255, 'A');
  EXPECT_EQ(MaskOf(longest), "*." + Text(255, 'a'));
  ExpectRefused(Text(127, 'a') + "ｊ", MaskRefusal::NotHalfWidth);
}

// The texts themselves are compared through the window; here, the bytes that are easy to get wrong.
TEST(RefusalMessage, HoldsTheExactBytesOfItsSpecialCharacters) {
  // One backslash, and each of the nine characters followed by one blank.
  EXPECT_EQ(SjisPos("\x5C / : * ? \x22 < > | \x82\xCD", RefusalMessage(MaskRefusal::ForbiddenChar)),
            11);
  // The quotes and the dot are the full-width U+201D and U+FF0E.
  EXPECT_EQ(SjisPos("\x81\x68\x81\x44\x81\x68", RefusalMessage(MaskRefusal::TrailingDot)), 15);
  EXPECT_EQ(RefusalMessage(MaskRefusal::Silent), "");
}

}  // namespace
}  // namespace tokiwake::test
