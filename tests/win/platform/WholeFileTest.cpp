#include "platform/WholeFile.h"

#include <gtest/gtest.h>

#include "harness/Dialogs.h"
#include "harness/Harness.h"

namespace tokiwake::test {
namespace {

using namespace std::string_literals;

constexpr uint64_t kLimit = uint64_t{64} << 10;

Text TextOf(const Text& path) { return ReadWholeFile(path, kLimit).text; }

TEST(ReadWholeFile, GivesTheBytesUpToTheFirstNul) {
  TempFolder folder("ソ表");
  const Text path = folder / "リネームフォーマット.dat";
  DialogAnswerer quiet;
  WriteBytes(path, "yyyy年mm月\r\nソ表\\\r\n");
  EXPECT_EQ(TextOf(path), "yyyy年mm月\r\nソ表\\\r\n");
  WriteBytes(path, "ab\0cd\r\n"s);
  EXPECT_EQ(TextOf(path), "ab");
  WriteBytes(path, "\0abc"s);
  EXPECT_EQ(TextOf(path), "");
  WriteBytes(path, "");
  EXPECT_EQ(TextOf(path), "");
}

TEST(ReadWholeFile, MissingFileGivesNothingAndNoMessage) {
  TempFolder folder;
  DialogAnswerer quiet;
  EXPECT_EQ(TextOf(folder / "dCamFlist.dat"), "");
  EXPECT_FALSE(ReadWholeFile(folder / "dCamFlist.dat", kLimit).exists);
  EXPECT_EQ(TextOf(folder / "no folder\\dCamFlist.dat"), "");
  MakeFolder(folder / "dCamFlist.dat");  // a folder by that name is no file either
  EXPECT_FALSE(ReadWholeFile(folder / "dCamFlist.dat", kLimit).exists);
  EXPECT_FALSE(ReadWholeFile("", kLimit).exists);
}

TEST(ReadWholeFile, AFileThatCannotBeOpenedIsReportedAndNothingShown) {
  TempFolder folder;
  const Text path = folder / "リネームフォーマット.dat";
  WriteBytes(path, "yyyy\r\n");
  LockedFile lock(path);
  DialogAnswerer quiet;
  const FileRead read = ReadWholeFile(path, kLimit);
  EXPECT_TRUE(read.exists);
  EXPECT_FALSE(read.readable);
  EXPECT_EQ(read.text, "");
}

TEST(WriteWholeFile, LeavesExactlyTheTextAndNothingBeside) {
  TempFolder folder("ソ表");
  const Text path = folder / "リネームフォーマット.dat";
  DialogAnswerer quiet;
  WriteWholeFile("yyyy.mm.dd-cnt2", path);
  EXPECT_EQ(ReadBytes(path), "yyyy.mm.dd-cnt2");
  WriteWholeFile("yy表", path);  // shorter than before: no old tail may remain
  EXPECT_EQ(ReadBytes(path), "yy表");
  WriteWholeFile("", path);
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<Text>{"リネームフォーマット.dat"});
}

TEST(WriteWholeFile, ReplacesAHiddenFileWithAPlainOne) {
  TempFolder folder;
  const Text path = folder / "dCamFlist.dat";
  WriteBytes(path, "old");
  SetAttributes(path, FILE_ATTRIBUTE_HIDDEN);
  WriteWholeFile("new", path);
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(Attributes(path) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY), 0u);
}

TEST(WriteWholeFile, AFailureKeepsThePreviousFileAndSaysNothing) {
  TempFolder folder;
  const Text path = folder / "リネームフォーマット.dat";
  WriteBytes(path, "yyyy-mm-dd");
  DialogAnswerer quiet;
  {
    LockedFile lock(path);  // in use elsewhere: it cannot be replaced
    WriteWholeFile("new pattern", path);
  }
  EXPECT_EQ(ReadBytes(path), "yyyy-mm-dd");

  SetAttributes(path, FILE_ATTRIBUTE_READONLY);
  WriteWholeFile("new pattern", path);
  EXPECT_EQ(ReadBytes(path), "yyyy-mm-dd");
  SetAttributes(path, FILE_ATTRIBUTE_NORMAL);

  WriteWholeFile("new pattern", folder / "no folder\\x.dat");
  EXPECT_EQ(ListFolder(folder.Path()), std::vector<Text>{"リネームフォーマット.dat"});
}

TEST(WholeFile, TensOfMegabytesAreWrittenWholeAndAFileIsReadWholeUpToTheLimit) {
  TempFolder folder;
  const Text path = folder / "dCamFlist.dat";
  Text big(40u << 20, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('A' + i % 26);
  big[big.size() - 3] = '\r';
  WriteWholeFile(big, path);
  const std::optional<Text> written = ReadBytes(path);
  EXPECT_EQ(written.value_or("").size(), big.size());
  EXPECT_TRUE(written == big);  // not EXPECT_EQ: a mismatch would print 40 MB

  DialogAnswerer quiet;
  big.resize(kLimit);
  WriteBytes(path, big);
  EXPECT_TRUE(TextOf(path) == big);
  big[big.size() / 2] = '\0';
  WriteBytes(path, big);
  EXPECT_EQ(TextOf(path).size(), big.size() / 2);
}

}  // namespace
}  // namespace tokiwake::test
