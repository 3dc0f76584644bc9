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

TEST(Cp932, AKeptFolderGetsItsExactNameBackWhereverItsFormStands) {
  const std::wstring folder = L"C:\\Users\\Jos\u00E9\\\U0001F4F7 ソ\\";
  KeepExactFolder(folder);
  const Text shown = ToCp932(folder).text;
  EXPECT_EQ(ToWide(shown + "dCamFlist.dat"), folder + L"dCamFlist.dat");
  EXPECT_EQ(ToWide("\"C:\\WINDOWS\\NOTEPAD.EXE\" " + shown + "FolderList.csv"),
            L"\"C:\\WINDOWS\\NOTEPAD.EXE\" " + folder + L"FolderList.csv");
  EXPECT_EQ(ToWide("C:\\Users\\写真"), L"C:\\Users\\写真");

  KeepExactFolder(L"C:\\ソ表\\");  // held exactly: nothing to give back
  EXPECT_NE(ToWide(shown + "dCamFlist.dat").find(L'?'), std::wstring::npos);
  KeepExactFolder(L"");
}

}  // namespace
}  // namespace tokiwake::test
