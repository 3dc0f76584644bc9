#include "platform/WidePath.h"

#include <gtest/gtest.h>

#include "platform/Cp932.h"

namespace tokiwake::test {
namespace {

TEST(WidePath, AKeptFolderGetsItsExactNameBackWhereverItsFormStandsInAPath) {
  const std::wstring folder = L"C:\\Users\\Jos\u00E9\\\U0001F4F7 ソ\\";
  KeepExactFolder(folder);
  const Text shown = ToCp932(folder).text;
  EXPECT_EQ(ToWidePath(shown + "dCamFlist.dat"), folder + L"dCamFlist.dat");
  EXPECT_EQ(ToWidePath("\"C:\\WINDOWS\\NOTEPAD.EXE\" " + shown + "FolderList.csv"),
            L"\"C:\\WINDOWS\\NOTEPAD.EXE\" " + folder + L"FolderList.csv");
  EXPECT_EQ(ToWidePath("C:\\Users\\写真"), L"C:\\Users\\写真");
  EXPECT_NE(ToWide(shown).find(L'?'), std::wstring::npos);  // a shown text is taken as it is

  KeepExactFolder(L"C:\\ソ表\\");  // held exactly: nothing to give back
  EXPECT_NE(ToWidePath(shown + "dCamFlist.dat").find(L'?'), std::wstring::npos);
  KeepExactFolder(L"");
}

}  // namespace
}  // namespace tokiwake::test
