#include "rename/DryRunDisk.h"

#include <gtest/gtest.h>

#include "rename/FakeDisk.h"

namespace tokiwake::test {
namespace {

class DryRunDiskTest : public ::testing::Test {
 protected:
  DryRunDiskTest() {
    disk.AddFile("C:\\f\\a.jpg", {2010, 5, 23, 10, 20, 30});
    disk.AddFile("C:\\f\\b.jpg");
    disk.AddFolder("C:\\f\\sub");
    dryRun.ListFolder("C:\\f");
  }
  FakeDisk disk;
  DryRunDisk dryRun{disk};
};

TEST_F(DryRunDiskTest, ARenameIsSeenThroughItAndNowhereElse) {
  ASSERT_TRUE(dryRun.RenameFile("C:\\f\\a.jpg", "C:\\f\\x.jpg", {}));
  ASSERT_TRUE(dryRun.RenameFile("C:\\f\\x.jpg", "C:\\f\\y.jpg", {}));
  EXPECT_FALSE(dryRun.FileExists("C:\\f\\a.jpg"));
  EXPECT_FALSE(dryRun.FileExists("C:\\f\\x.jpg"));
  EXPECT_TRUE(dryRun.FileExists("C:\\F\\Y.JPG"));
  EXPECT_FALSE(dryRun.FolderExists("C:\\f\\y.jpg"));
  const std::vector<FolderEntry> entries = dryRun.ListFolder("C:\\f\\");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].name, "y.jpg");
  EXPECT_EQ(entries[2].lastWrite.second, 30);  // the time travels with the file

  dryRun.RemoveFile("C:\\f\\b.jpg");
  dryRun.WriteNewFile("C:\\f\\list.csv", "x");
  EXPECT_EQ(dryRun.OpenHiddenForAppend("C:\\f\\journal"), nullptr);
  EXPECT_EQ(disk.renameCalls, 0);
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"a.jpg", "b.jpg", "sub"}));
}

TEST_F(DryRunDiskTest, EachFolderIsReadFromTheDiskOnceWhateverIsAskedOfIt) {
  disk.AddFile("C:\\g\\c.jpg");
  EXPECT_TRUE(dryRun.FileExists("C:\\g\\C.JPG"));
  EXPECT_FALSE(dryRun.FileExists("C:\\g\\d.jpg"));
  EXPECT_FALSE(dryRun.FileExists("C:\\f\\sub"));
  EXPECT_TRUE(dryRun.FolderExists("C:\\f\\sub\\"));
  dryRun.ListFolder("C:\\G\\");
  EXPECT_EQ(disk.listed, (std::vector<Text>{"C:\\f", "C:\\g\\"}));
}

TEST_F(DryRunDiskTest, ARenameIsRefusedWhereTheDiskWouldRefuseIt) {
  ASSERT_TRUE(dryRun.RenameFile("C:\\f\\a.jpg", "C:\\f\\x.jpg", {}));
  const struct {
    const char* from;
    const char* to;
  } refused[] = {
      {"C:\\f\\b.jpg", "C:\\f\\x.jpg"},    // a name it gave before
      {"C:\\f\\b.jpg", "c:/F//X.JPG"},     // the same, spelt otherwise
      {"C:\\f\\x.jpg", "C:\\f\\b.jpg"},    // a name on the disk
      {"C:\\f\\b.jpg", "C:\\f\\sub"},      // a folder
      {"C:\\f\\a.jpg", "C:\\f\\z.jpg"},    // a file renamed away
      {"C:\\f\\gone.jpg", "C:\\f\\z.jpg"}  // a file that is not there
  };
  for (const auto& rename : refused) {
    EXPECT_FALSE(dryRun.RenameFile(rename.from, rename.to, {})) << rename.from << " " << rename.to;
  }
  EXPECT_TRUE(dryRun.RenameFile("C:\\f\\b.jpg", "C:\\f\\a.jpg", {}));  // free again
  EXPECT_TRUE(dryRun.RenameFile("C:\\f\\a.jpg", "C:\\f\\A.JPG", {}));  // its own, in other case
  std::vector<Text> names;
  for (const FolderEntry& entry : dryRun.ListFolder("C:\\f")) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<Text>{"sub", "A.JPG", "x.jpg"}));
}

TEST_F(DryRunDiskTest, AFolderWhoseNameEndsInTheByte5CIsNotCutThere) {
  disk.AddFile("C:\\ソ\\a.jpg");
  dryRun.ListFolder("C:\\ソ");
  ASSERT_TRUE(dryRun.RenameFile("C:\\ソ\\a.jpg", "C:\\ソ\\b.jpg", {}));
  EXPECT_TRUE(dryRun.FileExists("C:\\ソ\\b.jpg"));
  EXPECT_FALSE(dryRun.FileExists("C:\\ソb.jpg"));
  EXPECT_EQ(dryRun.ListFolder("C:\\ソ\\").size(), 1u);
}

}  // namespace
}  // namespace tokiwake::test
