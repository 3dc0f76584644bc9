// The disk as the walk sees it, on real files: listing, existence, a rename that never replaces,
// and the steps that replace the list file.
#include "rename/FileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "platform/Cp932.h"

namespace tokiwake::test {
namespace {

const FolderEntry* Find(const std::vector<FolderEntry>& entries, const Text& name) {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const FolderEntry& entry) { return entry.name == name; });
  return it == entries.end() ? nullptr : &*it;
}

TEST(DiskFileSystem, ListsEveryEntryWithItsLocalTimeAndTellsWhichNamesAreExact) {
  TempFolder folder("ソ表");
  WriteBytes(folder / "表ソ.jpg", "x");
  SetLocalWriteTime(folder / "表ソ.jpg", {2010, 5, 0, 23, 23, 59, 59, 0});
  WriteBytes(folder / "hidden.jpg", "x");
  SetAttributes(folder / "hidden.jpg", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(folder / "secret");
  SetAttributes(folder / "secret", FILE_ATTRIBUTE_HIDDEN);
  const std::wstring yen = ToWide(folder.Path()) + L"\\a\u00A5b.jpg";
  HANDLE file = CreateFileW(yen.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  DiskFileSystem disk;
  const std::vector<FolderEntry> entries = disk.ListFolder(folder.Path());
  const FolderEntry* photo = Find(entries, "表ソ.jpg");
  ASSERT_NE(photo, nullptr);
  EXPECT_TRUE(photo->exactName);
  EXPECT_FALSE(photo->isDirectory);
  EXPECT_EQ(photo->lastWrite.year, 2010);
  EXPECT_EQ(photo->lastWrite.day, 23);
  EXPECT_EQ(photo->lastWrite.hour, 23);  // local time: in Tokyo UTC would say 14
  EXPECT_EQ(photo->lastWrite.second, 59);
  // The listing knows the file as opening it does, index and all.
  EXPECT_EQ(disk.IdentifyFile(folder / "表ソ.jpg"), photo->identity);
  EXPECT_NE(photo->identity.index, 0u);
  EXPECT_EQ(photo->identity.size, 1u);
  ASSERT_NE(Find(entries, "hidden.jpg"), nullptr);
  ASSERT_NE(Find(entries, "secret"), nullptr);
  EXPECT_TRUE(Find(entries, "secret")->isDirectory);
  const FolderEntry* inexact = Find(entries, "a?b.jpg");
  ASSERT_NE(inexact, nullptr);
  EXPECT_FALSE(inexact->exactName);

  EXPECT_TRUE(disk.ListFolder(folder / "missing").empty());
  EXPECT_TRUE(disk.ListFolder(folder / "hidden.jpg").empty());
}

TEST(DiskFileSystem, TellsFilesFromFolders) {
  TempFolder folder;
  WriteBytes(folder / "a.jpg", "x");
  DiskFileSystem disk;
  EXPECT_TRUE(disk.FileExists(folder / "A.JPG"));
  EXPECT_FALSE(disk.FolderExists(folder / "a.jpg"));
  EXPECT_TRUE(disk.FolderExists(folder.Path()));
  EXPECT_FALSE(disk.FileExists(folder.Path()));
  EXPECT_FALSE(disk.FileExists(folder / "b.jpg"));
  EXPECT_FALSE(disk.FileExists(""));
}

TEST(DiskFileSystem, RenamesOnlyToANameThatIsFreeInEveryForm) {
  TempFolder folder;
  WriteBytes(folder / "a.jpg", "a");
  WriteBytes(folder / "b.jpg", "b");
  MakeFolder(folder / "c.jpg");
  DiskFileSystem disk;
  EXPECT_FALSE(disk.RenameFile(folder / "a.jpg", folder / "B.JPG", {}));
  EXPECT_FALSE(disk.RenameFile(folder / "a.jpg", folder / "c.jpg", {}));
  {
    LockedFile lock(folder / "a.jpg");
    EXPECT_FALSE(disk.RenameFile(folder / "a.jpg", folder / "d.jpg", {}));
  }
  EXPECT_EQ(ListFolder(folder.Path()), (std::vector<Text>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(ReadBytes(folder / "b.jpg"), "b");

  EXPECT_TRUE(disk.RenameFile(folder / "a.jpg", folder / "2010年ソ表.jpg", {}));
  EXPECT_EQ(ReadBytes(folder / "2010年ソ表.jpg"), "a");
  // The file's own name in other letter case is no other file's. (Windows then lists the new
  // case; Wine keeps the name its Unix disk holds.)
  EXPECT_TRUE(disk.RenameFile(folder / "b.jpg", folder / "B.JPG", {}));
  EXPECT_EQ(ReadBytes(folder / "B.JPG"), "b");
}

TEST(DiskFileSystem, KnowsAFolderHoweverItIsReachedAndTellsLinksFromFolders) {
  TempFolder folder("ソ表");
  MakeFolder(folder / "photos");
  MakeFolder(folder / "photos\\sub");
  FolderLink back(folder / "photos\\sub\\back", folder / "photos");
  DiskFileSystem disk;
  const std::optional<FolderId> photos = disk.IdentifyFolder(folder / "photos");
  ASSERT_TRUE(photos.has_value());
  EXPECT_EQ(disk.IdentifyFolder(folder / "PHOTOS\\"), photos);
  EXPECT_EQ(disk.IdentifyFolder(folder / "photos\\sub\\back"), photos);
  EXPECT_NE(disk.IdentifyFolder(folder / "photos\\sub"), photos);
  EXPECT_FALSE(disk.IdentifyFolder(folder / "missing").has_value());

  const std::vector<FolderEntry> entries = disk.ListFolder(folder / "photos\\sub");
  const FolderEntry* entry = Find(entries, "back");
  ASSERT_NE(entry, nullptr);
  EXPECT_TRUE(entry->isDirectory);
  EXPECT_TRUE(entry->isLink);
  EXPECT_FALSE(Find(disk.ListFolder(folder.Path()), "photos")->isLink);
}

TEST(DiskFileSystem, ReplacesTheHiddenListOfTheRunBeforeAndLeavesItHiddenAlone) {
  TempFolder folder;
  const Text list = folder / "FolderList.csv";
  WriteBytes(list, "an older and longer list\r\n");
  SetAttributes(list, FILE_ATTRIBUTE_HIDDEN);
  DiskFileSystem disk;
  disk.RemoveFile(list);
  EXPECT_FALSE(PathExists(list));
  EXPECT_TRUE(disk.WriteNewFile(list, "C:\\写真\\a.jpg\r\n"));
  disk.SetHiddenOnly(list);
  EXPECT_EQ(ReadBytes(list), "C:\\写真\\a.jpg\r\n");
  const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
  EXPECT_EQ(Attributes(list) & kept, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));

  SetAttributes(list, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
  disk.SetHiddenOnly(list);
  EXPECT_EQ(Attributes(list) & kept, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));

  MakeFolder(folder / "taken.csv");
  EXPECT_FALSE(disk.WriteNewFile(folder / "taken.csv", "x"));
  LockedFile lock(list);
  EXPECT_FALSE(disk.WriteNewFile(list, "x"));
}

}  // namespace
}  // namespace tokiwake::test
