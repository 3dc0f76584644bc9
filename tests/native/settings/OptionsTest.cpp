#include "settings/Options.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(Options, ReadBackWhatIsWrittenAndKeepDefaultsForWhatCannotBeRead) {
  const Options set{true, -3600, true};
  EXPECT_EQ(FormatOptions(set),
            "撮影日時を使う=1\r\n時刻の補正=-3600\r\n関連ファイルも一緒に変更=1\r\n");
  EXPECT_EQ(ParseOptions(FormatOptions(set)), set);
  const struct {
    const char* text;
    Options options;
  } rows[] = {
      {"", {}},
      {"撮影日時を使う=1", {}},  // a line without its CR LF was cut off
      {"撮影日時を使う=yes\r\n時刻の補正=1h\r\n", {}},
      {"時刻の補正=3153600001\r\n", {}},  // beyond a hundred years
      {"時刻の補正=-86400\r\nother=1\r\n関連ファイルも一緒に変更=1\r\n", {false, -86400, true}},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseOptions(row.text), row.options) << row.text;
}

}  // namespace
}  // namespace tokiwake::test
