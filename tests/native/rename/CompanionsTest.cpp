// Companion files renamed as one group, through the run's own entry points.
#include "rename/Companions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rename/RunFixture.h"

namespace tokiwake::test {
namespace {

class CompanionsTest : public RunFixture {
 protected:
  CompanionsTest() {
    window.inputs.companions = true;
    window.inputs.folderFields[0] = "C:\\p";
    window.state.RenameFormat = "yyyy.mm.dd-cnt2";
  }
};

// Each folder is a case of its own; its files are given in the order the folder lists them.
TEST_F(CompanionsTest, EveryGroupKeepsOneStemAndARunAfterItChangesNothing) {
  const struct {
    const char* folder;
    std::vector<const char*> files;
    std::vector<const char*> renamed;  // as the folder then lists them
  } cases[] = {
      {"pair",
       {"IMG_0001.CR2", "IMG_0001.CR2.xmp", "IMG_0001.JPG", "img_0001.xmp"},
       {"2010.05.23-01.CR2", "2010.05.23-01.CR2.xmp", "2010.05.23-01.JPG", "2010.05.23-01.xmp"}},
      // A name one member cannot take moves the whole group on.
      {"forced",
       {"2010.05.23-01.CR2", "IMG_0003.CR2", "IMG_0003.JPG"},
       {"2010.05.23-01.CR2", "2010.05.23-02.CR2", "2010.05.23-02.JPG"}},
      // The longest stem that fits a name takes it: IMG_1.JPG stays a file of its own.
      {"overlap",
       {"IMG_1.JPG", "IMG_1.JPG.jpg", "IMG_1.JPG.xmp"},
       {"2010.05.23-01.JPG", "2010.05.23-02.jpg", "2010.05.23-02.xmp"}},
  };
  for (const auto& test : cases) {
    for (const char* name : test.files) disk.AddFile(Text("C:\\p\\") + test.folder + "\\" + name);
  }
  run.Start();
  for (const auto& test : cases) {
    EXPECT_EQ(disk.Names(Text("C:\\p\\") + test.folder),
              std::vector<Text>(test.renamed.begin(), test.renamed.end()))
        << test.folder;
  }
  const int renames = disk.renameCalls;
  run.Start();
  EXPECT_EQ(disk.renameCalls, renames);

  run.Undo();
  for (const auto& test : cases) {
    std::vector<Text> original(test.files.begin(), test.files.end());
    EXPECT_EQ(disk.Names(Text("C:\\p\\") + test.folder), original) << test.folder;
  }
}

// With every file a target, a Live Photo takes the time of its photo, not of its movie, and a
// raw file's sidecar follows the raw file's photo; a sidecar without a photo is a file of its own.
TEST_F(CompanionsTest, APhotoLeadsItsMovieAndSidecarsNeverLead) {
  window.inputs.allFiles = true;
  disk.AddFile("C:\\p\\IMG_0002.AAE", {2011, 1, 1, 0, 0, 0});
  disk.AddFile("C:\\p\\IMG_0002.HEIC", {2012, 2, 2, 0, 0, 0});
  disk.AddFile("C:\\p\\IMG_0002.MOV", {2013, 3, 3, 0, 0, 0});
  disk.AddFile("C:\\p\\x.CR2", {2014, 4, 4, 0, 0, 0});
  disk.AddFile("C:\\p\\x.CR2.xmp", {2015, 5, 5, 0, 0, 0});
  disk.AddFile("C:\\p\\lone.xmp", {2016, 6, 6, 0, 0, 0});
  run.Start();
  EXPECT_EQ(disk.Names("C:\\p"),
            (std::vector<Text>{"2012.02.02-01.AAE", "2012.02.02-01.HEIC", "2012.02.02-01.MOV",
                               "2014.04.04-01.CR2", "2014.04.04-01.CR2.xmp", "2016.06.06-01.xmp"}));
  const Text list = ProgramFile("FolderList.csv");
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 6);  // every member renamed
}

}  // namespace
}  // namespace tokiwake::test
