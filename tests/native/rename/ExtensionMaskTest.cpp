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
  EXPECT_EQ(decision.refusal, MaskRefusal::kNone) << "input \"" << typed << "\"";
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
  ExpectRefused("JPG", MaskRefusal::kAlreadyRegistered);
  ExpectRefused(".jpg", MaskRefusal::kAlreadyRegistered);
  ExpectRefused("*.jpg", MaskRefusal::kAlreadyRegistered);  // after the "*" is cut: ".jpg"
  ExpectRefused("peg", MaskRefusal::kAlreadyRegistered);    // the tail of "*.jpeg"
  ExpectRefused("g", MaskRefusal::kAlreadyRegistered);
  ExpectRefused("mp", MaskRefusal::kAlreadyRegistered);
  ExpectRefused("x.gz", MaskRefusal::kAlreadyRegistered, {"ax.gz"});
  ExpectRefused("gz", MaskRefusal::kAlreadyRegistered, {"gz"});
  // An item shorter than the input is compared whole, so it is no match.
  EXPECT_EQ(MaskOf(".gz", {"gz"}), "*.gz");
  // The comparison is of bytes: a mask loaded in capitals does not hold back its lower case.
  EXPECT_EQ(MaskOf("png", {"*.PNG"}), "*.png");
  EXPECT_EQ(MaskOf("jpg", {""}), "*.jpg");
}

TEST(DecideNewMask, RefusesTheNineForbiddenCharactersAfterForgivingTheFirstStar) {
  ExpectRefused("*", MaskRefusal::kForbiddenChar);
  ExpectRefused("png*", MaskRefusal::kForbiddenChar);   // nothing follows the "*"
  ExpectRefused("*.*", MaskRefusal::kForbiddenChar);    // the second "*"
  ExpectRefused("a*b*c", MaskRefusal::kForbiddenChar);  // only the first "*" is cut
  for (const char* typed : {"a\\b", "a/b", "a:b", "a?b", "a\"b", "a<b", "a>b", "a|b"}) {
    ExpectRefused(typed, MaskRefusal::kForbiddenChar);
  }
  // Whatever stood before the first "*" is dropped with it.
  EXPECT_EQ(MaskOf("ab*Png"), "*.png");
  EXPECT_EQ(MaskOf("x?*tif"), "*.tif");
}

TEST(DecideNewMask, RefusesAnExtensionThatEndsWithADot) {
  ExpectRefused("jpg.", MaskRefusal::kTrailingDot);
  ExpectRefused(".", MaskRefusal::kTrailingDot);
  ExpectRefused("*.", MaskRefusal::kTrailingDot);
}

TEST(DecideNewMask, RefusesAnythingThatIsNotHalfWidth) {
  ExpectRefused("ｊｐｇ", MaskRefusal::kNotHalfWidth);
  ExpectRefused("jpg写", MaskRefusal::kNotHalfWidth);
  // The width test comes before every other one.
  ExpectRefused("＊", MaskRefusal::kNotHalfWidth);
  ExpectRefused("ア*", MaskRefusal::kNotHalfWidth);  // 0x83 0x41: a trail byte that is a letter
  ExpectRefused("表.", MaskRefusal::kNotHalfWidth);  // trail byte 0x5C
  // A character that code page 932 lacks arrives as "?": it is not taken for a forbidden one.
  EXPECT_EQ(DecideNewMask("caf?", false, kDefaultList).refusal, MaskRefusal::kNotHalfWidth);
  EXPECT_EQ(DecideNewMask("", false, kDefaultList).refusal, MaskRefusal::kNotHalfWidth);
}

TEST(DecideNewMask, HandlesTheEmptyABlankAndTheLongestInput) {
  ExpectRefused("", MaskRefusal::kSilent);
  EXPECT_EQ(MaskOf(" "), "*. ");  // a blank is an ordinary byte here
  EXPECT_EQ(MaskOf(" .x"), "*.x");
  const Text longest(255, 'A');
  EXPECT_EQ(MaskOf(longest), "*." + Text(255, 'a'));
  ExpectRefused(Text(127, 'a') + "ｊ", MaskRefusal::kNotHalfWidth);
}

// The texts themselves are compared through the window; here, the bytes that are easy to get wrong.
TEST(RefusalMessage, HoldsTheExactBytesOfItsSpecialCharacters) {
  // One backslash, and each of the nine characters followed by one blank.
  EXPECT_EQ(
      SjisPos("\x5C / : * ? \x22 < > | \x82\xCD", RefusalMessage(MaskRefusal::kForbiddenChar)), 11);
  // The quotes and the dot are the full-width U+201D and U+FF0E.
  EXPECT_EQ(SjisPos("\x81\x68\x81\x44\x81\x68", RefusalMessage(MaskRefusal::kTrailingDot)), 15);
  EXPECT_EQ(RefusalMessage(MaskRefusal::kSilent), "");
}

}  // namespace
}  // namespace tokiwake::test
