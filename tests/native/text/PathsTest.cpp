#include "text/Paths.h"

#include <gtest/gtest.h>

namespace tokiwake::test {
namespace {

TEST(FolderPart, EndsAfterTheLastSeparatorButNeverInsideACharacter) {
  EXPECT_EQ(FolderPart("C:\\Program Files\\tokiwake.exe"), "C:\\Program Files\\");
  EXPECT_EQ(FolderPart("C:\\写真ソ\\表.exe"), "C:\\写真ソ\\");
  EXPECT_EQ(FolderPart("C:\\フォルダソ"), "C:\\");  // the 0x5C of ソ is no separator
  EXPECT_EQ(FolderPart("E:a.jpg"), "E:");
  EXPECT_EQ(FolderPart("name.exe"), "");
}

TEST(WithTrailingBackslash, AddsOnlyWhenMissing) {
  EXPECT_EQ(WithTrailingBackslash("C:\\WINDOWS"), "C:\\WINDOWS\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "\\");
  // ソ ends in the byte 0x5C but is no separator.
  EXPECT_EQ(WithTrailingBackslash("C:\\ソ"), "C:\\ソ\\");
}

TEST(EndsInBackslash, OnlyABackslashOfItsOwnCounts) {
  EXPECT_TRUE(EndsInBackslash("C:\\"));
  EXPECT_TRUE(EndsInBackslash("C:\\表\\"));
  EXPECT_FALSE(EndsInBackslash("C:\\表"));
  EXPECT_FALSE(EndsInBackslash("C:"));
  EXPECT_FALSE(EndsInBackslash(""));
}

// The viewers take the rest of their command line as one name, blanks and all.
TEST(DocumentArguments, OneBlankAndThePathUnquoted) {
  EXPECT_EQ(DocumentArguments("C:\\My Tools\\help\\index.htm"), " C:\\My Tools\\help\\index.htm");
  EXPECT_EQ(NotepadPath("D:\\Windows\\") + DocumentArguments("C:\\a b\\ReadMe.txt"),
            "D:\\Windows\\NOTEPAD.EXE C:\\a b\\ReadMe.txt");
}

}  // namespace
}  // namespace tokiwake::test
