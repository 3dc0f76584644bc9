#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tokiwake::test {
namespace {

using Items = std::vector<Text>;

TEST(ParseListText, EveryCrLfEndsOneItemAndTheRestIsDropped) {
  EXPECT_EQ(ParseListText("*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n"),
            (Items{"*.jpg", "*.jpeg", "*.gif", "*.bmp"}));
  EXPECT_EQ(ParseListText("*.jpg\r\n*.png"), (Items{"*.jpg"}));
  EXPECT_EQ(ParseListText("*.png"), Items{});
  EXPECT_EQ(ParseListText(""), Items{});
}

TEST(ParseListText, EmptyLinesAreEmptyItems) {
  EXPECT_EQ(ParseListText("*.jpg\r\n\r\n*.gif\r\n"), (Items{"*.jpg", "", "*.gif"}));
  EXPECT_EQ(ParseListText("\r\n"), Items{""});
  EXPECT_EQ(ParseListText("\r\n\r\nx"), (Items{"", ""}));
}

TEST(ParseListText, OnlyCrLfTogetherEndsALine) {
  EXPECT_EQ(ParseListText("a\nb\rc\r\n"), Items{"a\nb\rc"});
  EXPECT_EQ(ParseListText("a\r\r\n"), Items{"a\r"});
  EXPECT_EQ(ParseListText("a\n\r\n"), Items{"a\n"});
}

TEST(ParseListText, TextEndsAtTheFirstNul) {
  using namespace std::string_literals;
  EXPECT_EQ(ParseListText("*.jpg\r\n*.gif\0\r\n*.bmp\r\n"s), Items{"*.jpg"});
  EXPECT_EQ(ParseListText("\0*.jpg\r\n"s), Items{});
}

TEST(ParseListText, DoubleByteItemsStayWhole) {
  // ソ and 表 end in 0x5C, ｶﾒﾗ is single-byte katakana.
  EXPECT_EQ(ParseListText("*.ソ表\r\n写真ｶﾒﾗ\r\n"), (Items{"*.ソ表", "写真ｶﾒﾗ"}));
}

TEST(ParseListText, ThreeHundredThousandLinesAllComeBack) {
  Text text;
  for (int i = 0; i < 300'000; ++i) text += "*.jpg\r\n";
  const Items items = ParseListText(text);
  ASSERT_EQ(items.size(), 300'000u);
  EXPECT_EQ(items.back(), "*.jpg");
}

TEST(FormatListText, EndsEveryItemWithCrLf) {
  const Text text = FormatListText({"*.jpg", "*.jpeg", "*.gif", "*.bmp"});
  EXPECT_EQ(text, "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n");
  EXPECT_EQ(text.size(), 29u);
  EXPECT_EQ(FormatListText({}), "");
  EXPECT_EQ(FormatListText({"", "表"}), "\r\n表\r\n");
}

TEST(FormatListText, WhatItWritesParsesBackToTheSameItems) {
  for (const Items& items : {Items{}, Items{""}, Items{"*.jpg", "", "*.ソ"}, Items{"a\r", "\nb"}}) {
    EXPECT_EQ(ParseListText(FormatListText(items)), items);
  }
}

TEST(FirstLine, TakesTheBytesBeforeTheFirstCrLf) {
  using namespace std::string_literals;
  EXPECT_EQ(FirstLine("yyyy-mm-dd cnt2\r\nsecond line\r\n"), "yyyy-mm-dd cnt2");
  EXPECT_EQ(FirstLine("yyyy年mm月dd日"), "yyyy年mm月dd日");
  EXPECT_EQ(FirstLine("\r\nyyyy"), "");
  EXPECT_EQ(FirstLine("yy\nyy\r"), "yy\nyy\r");
  EXPECT_EQ(FirstLine("\0yyyy"s), "");
  EXPECT_EQ(FirstLine("yy\0yy\r\n"s), "yy");
  EXPECT_EQ(FirstLine(""), "");
}

}  // namespace
}  // namespace tokiwake::test
