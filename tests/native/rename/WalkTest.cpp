#include "rename/Walk.h"

#include <gtest/gtest.h>

#include <string>

#include "rename/FakeDisk.h"
#include "rename/FakeWindow.h"

namespace tokiwake::test {
namespace {

constexpr char kFailureTail[] =
    "変更できません！！ドライブやフォルダーが書込み禁止になっていないか\nまた、書込み権があるか確認"
    "してください";

Text Message(const Text& oldPath, const Text& newPath, const Text& tail) {
  return "ファイル名\n" + oldPath + " は、\n" + newPath + " に、\n" + tail;
}

TEST(IsTargetFile, ComparesWhatFollowsTheLastDotInTheLastFiveBytes) {
  FakeWindow window;
  window.inputs.targetList = {{"*.jpg", true}, {"*.mpeg4", true}, {"*.eadme", true},
                              {"*.JPG", true}, {"*.*", true},     {"*.jア", true}};
  for (const char* name : {"IMG_0001.JPG", "a.jpg", "x.y.Jpg", "clip.mpeg4", "README", "x.Jア"}) {
    EXPECT_TRUE(IsTargetFile(window.inputs, RightChars(5, name))) << name;
  }
  // A trail byte 0x41 is part of ア, not the letter A, and is never lower-cased.
  for (const char* name : {"x.JA", "a.png", "x.jp", "x.yjpg", "x.txt"}) {
    EXPECT_FALSE(IsTargetFile(window.inputs, RightChars(5, name))) << name;
  }
  window.inputs.targetList = {{"*.jpg", false}};
  EXPECT_FALSE(IsTargetFile(window.inputs, "0.JPG"));
  window.inputs.allFiles = true;
  EXPECT_TRUE(IsTargetFile(window.inputs, "0.JPG"));
}

TEST(MakeTimeText, TakesSecondsDownToEvenAndDropsMidnight) {
  EXPECT_EQ(MakeTimeText({2010, 5, 23, 9, 3, 8}), "2010/05/23 9:03:08");
  EXPECT_EQ(MakeTimeText({2010, 12, 31, 23, 59, 59}), "2010/12/31 23:59:58");
  EXPECT_EQ(MakeTimeText({2010, 5, 23, 0, 0, 0}), "2010/05/23");
  EXPECT_EQ(MakeTimeText({2010, 5, 23, 0, 0, 1}), "2010/05/23");
  EXPECT_EQ(MakeTimeText({2010, 5, 23, 0, 0, 2}), "2010/05/23 0:00:02");
  // Beyond what a FAT stamp holds the real date is kept.
  EXPECT_EQ(MakeTimeText({1601, 1, 1, 12, 0, 0}), "1601/01/01 12:00:00");
  EXPECT_EQ(MakeTimeText({2200, 7, 4, 1, 2, 3}), "2200/07/04 1:02:02");
}

class WalkTest : public ::testing::Test {
 protected:
  WalkTest() {  // as a run leaves them before its first walk
    window.state.AbortRequested = false;
    window.state.FileCounter = 0;
  }
  // Each walk as its own run.
  void Walk(const Text& folder) {
    WalkScope scope;
    WalkContext run{window.inputs, window, window, window.state, disk};
    WalkFolder(run, folder, scope);
  }
  FakeDisk disk;
  FakeWindow window;
};

TEST_F(WalkTest, EachStatusColourFollowsItsFileAndEveryFileStartsFromCounterZero) {
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile("C:\\f\\a2.jpg");  // clashes with a.jpg, which leaves the counter at 2
  disk.AddFile("C:\\f\\b.txt");
  disk.AddFile("C:\\f\\c.jpg", {2011, 1, 1, 1, 1, 2});
  Walk("C:\\f");
  EXPECT_EQ(window.colours, (std::vector{StatusColour::kBlue, StatusColour::kBlue,
                                         StatusColour::kBlack, StatusColour::kBlue}));
  EXPECT_EQ(window.state.FolderListText,
            "C:\\f\\2010-05-23 10.20.30.jpg\r\nC:\\f\\2010-05-23 10.20.30-1.jpg\r\n"
            "C:\\f\\2011-01-01 01.01.02.jpg\r\n");
  EXPECT_EQ(window.statusText, "C:\\f\\c.jpg");
  EXPECT_EQ(window.state.FileCounter, 0);
  EXPECT_GT(window.redNotices, 0);
}

TEST_F(WalkTest, TrailingBackslashIsDroppedOnlyWhenItIsACharacterOfItsOwn) {
  disk.AddFile("C:\\a.jpg");
  disk.AddFile("C:\\sub\\b.jpg", {2011, 1, 2, 3, 4, 6});
  disk.AddFile("D:\\写真\\表\\c.jpg");  // 表 ends in the byte 0x5C
  Walk("C:\\");
  Walk("D:\\写真\\表");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\2010-05-23 10.20.30.jpg\r\nC:\\sub\\2011-01-02 03.04.06.jpg\r\n"
            "D:\\写真\\表\\2010-05-23 10.20.30.jpg\r\n");
}

TEST_F(WalkTest, AFileIsRenamedOnceEvenWhenItsNewNameSortsAfterIt) {
  disk.AddFile("C:\\f\\0001.jpg", {2010, 5, 23, 10, 20, 30});
  disk.AddFile("C:\\f\\0002.jpg", {2010, 5, 23, 10, 20, 32});
  Walk("C:\\f");
  EXPECT_EQ(disk.renameCalls, 2);
  EXPECT_EQ(disk.Names("C:\\f"),
            (std::vector<Text>{"2010-05-23 10.20.30.jpg", "2010-05-23 10.20.32.jpg"}));
}

TEST_F(WalkTest, AFileAlreadyNamedSoKeepsItsNameAndOneDifferentOnlyInCaseTakesThePatternsCase) {
  disk.AddFile("C:\\f\\2010-05-23 10.20.30.jpg");
  disk.AddFile("D:\\g\\PHOTO 2010.jpg");
  disk.AddFile("E:\\h\\2010.05.23-01.jpg");
  disk.AddFile("E:\\h\\2010.05.23-02.jpg");
  Walk("C:\\f");
  window.state.RenameFormat = "Photo yyyy";
  Walk("D:\\g");
  window.state.RenameFormat = "yyyy.mm.dd-cnt2";
  Walk("E:\\h");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\f\\2010-05-23 10.20.30.jpg\r\nD:\\g\\Photo 2010.jpg\r\n"
            "E:\\h\\2010.05.23-01.jpg\r\nE:\\h\\2010.05.23-02.jpg\r\n");
  EXPECT_EQ(disk.renameCalls, 1);
  EXPECT_EQ(disk.Names("D:\\g"), std::vector<Text>{"Photo 2010.jpg"});
  EXPECT_TRUE(window.messages.empty());
}

// Users run again after adding photos, or after deleting one: what the first run named stays as
// it is, and a photo added since takes the lowest number free.
TEST_F(WalkTest, ARunAfterAPhotoIsDeletedChangesNoNameAndANewPhotoFillsTheGap) {
  const char* patterns[] = {"yyyy.mm.dd-cnt2",
                            "yyyy-mm-dd cnt2",
                            "yyyy-mm-dd hh.mn.ss",
                            "'yy年mm月dd日 hh時mn分ss秒",
                            "yyyy.mm.dd-hh.mn.ss-cnt2",
                            "yyyy-mm-dd★",       // ends in 0x81 0x9A, before the 0x81 of 《
                            "yyyy《mm》dd",      // brackets of its own before the old name's
                            "yyyy.mm.dd-cnt2.",  // a dot of its own before the extension's
                            "yyyy-cnt0",
                            "yy cnt_",
                            "x"};
  for (const char* pattern : patterns) {
    for (const bool oldName : {false, true}) {
      FakeDisk tree;
      for (const char* name :
           {"a.jpg", "B.JPG", "c.jpg", "d.jpeg", "お気に入り★.jpg", "sub\\e.jpg", "sub\\f.jpg"}) {
        tree.AddFile(Text("C:\\p\\") + name);  // all at one time: every name clashes
      }
      tree.AddFile("C:\\p\\g.jpg", {2011, 2, 3, 4, 5, 6});
      tree.AddFile("C:\\p\\notes.txt");
      tree.AddFile("C:\\q\\h.jpg");
      window.state.RenameFormat = pattern;
      window.inputs.includeOldName = oldName;
      window.inputs.folderFields[0] = "C:\\p";
      window.inputs.folderFields[1] = "C:\\q";
      const auto run = [&] {
        WalkScope scope;
        window.state.FolderListText.clear();
        window.state.InSecondFolder = 0;
        WalkContext walk{window.inputs, window, window, window.state, tree};
        WalkFolder(walk, "C:\\p", scope);
        window.state.InSecondFolder = 1;
        WalkFolder(walk, "C:\\q", scope);
      };
      run();
      Text list = window.state.FolderListText;
      const Text first = SplitHead("\r\n", list);  // a.jpg's, the lowest number
      tree.RemoveFile(first);
      tree.renameCalls = 0;
      for (int again = 0; again < 2; ++again) run();
      EXPECT_EQ(tree.renameCalls, 0) << pattern << " " << oldName << "\n"
                                     << window.state.FolderListText;
      tree.AddFile("C:\\p\\" + Text(oldName ? "a.jpg" : "new.jpg"));
      run();
      EXPECT_TRUE(tree.FileExists(first)) << pattern << " " << oldName;
    }
  }
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(WalkTest, AnEmptyOtherFolderFieldNamesNoFolder) {
  disk.AddFile("\\2010-05-23 10.20.30.jpg");  // at the root of the current drive
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile("C:\\g\\b.jpg");
  Walk("C:\\f");
  window.inputs.folderFields[1] = "\\";
  Walk("C:\\g");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\f\\2010-05-23 10.20.30.jpg\r\nC:\\g\\2010-05-23 10.20.30.jpg\r\n");
}

TEST_F(WalkTest, LinksToFoldersAreNotEnteredAndNoFolderIsWalkedTwice) {
  disk.AddFile("C:\\p\\a.jpg");
  disk.AddFile("C:\\p\\sub\\b.jpg", {2011, 1, 1, 1, 1, 2});
  disk.AddFile("C:\\elsewhere\\c.jpg");
  disk.AddLink("C:\\p\\sub\\up", "C:\\p");                // a junction back up the tree
  disk.AddLink("C:\\p\\away", "C:\\elsewhere");           // a link out of it
  disk.AddLink("C:\\p\\sub\\unix", "C:\\p\\sub", false);  // a loop Windows does not mark
  Walk("C:\\p");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\p\\2010-05-23 10.20.30.jpg\r\nC:\\p\\sub\\2011-01-01 01.01.02.jpg\r\n");
  EXPECT_EQ(disk.Names("C:\\elsewhere"), std::vector<Text>{"c.jpg"});
  EXPECT_EQ(disk.renameCalls, 2);

  // The folder the user names is walked even when it is a link.
  window.state.FolderListText.clear();
  Walk("C:\\p\\away");
  EXPECT_EQ(window.state.FolderListText, "C:\\p\\away\\2010-05-23 10.20.30.jpg\r\n");
}

TEST_F(WalkTest, ANameMadeByAnotherProgramAfterTheListingIsAClashAndStaysUntouched) {
  disk.AddFile("C:\\f\\a.jpg");
  const Text taken = "C:\\f\\2010-05-23 10.20.30.jpg";
  window.onPump = [&] {
    if (window.statusText == "C:\\f\\a.jpg" && disk.Find(taken) == nullptr) {
      disk.AddFile(taken).content = "another program's";
    }
  };
  Walk("C:\\f");
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(window.state.FolderListText, "C:\\f\\2010-05-23 10.20.30-1.jpg\r\n");
  EXPECT_EQ(disk.Find(taken)->content, "another program's");
}

TEST_F(WalkTest, ANameTakenInTheOtherFolderTopLevelIsAClashButNotOneInItsSubfolders) {
  disk.AddFile("C:\\other\\2010-05-23 10.20.30.jpg");
  disk.AddFile("C:\\other\\sub\\2010-05-24 00.00.00.jpg");
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile("C:\\f\\b.jpg", {2010, 5, 24, 0, 0, 0});
  window.inputs.folderFields[1] = "C:\\other";
  Walk("C:\\f");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\f\\2010-05-23 10.20.30-1.jpg\r\nC:\\f\\2010-05-24 00.00.00.jpg\r\n");
}

TEST_F(WalkTest, ClashesAreTriedUpToCounterThousandThenReported) {
  window.state.RenameFormat = "x";  // attempts give x, x, x-1 ... x-999
  window.inputs.folderFields[1] = "C:\\other";
  disk.AddFile("C:\\other\\x.jpg");
  for (int n = 1; n <= 998; ++n) disk.AddFile("C:\\other\\x-" + std::to_string(n) + ".jpg");
  disk.AddFile("C:\\f\\a.jpg");
  Walk("C:\\f");
  EXPECT_TRUE(disk.FileExists("C:\\f\\x-999.jpg"));

  disk.AddFile("C:\\other\\x-999.jpg");
  disk.AddFile("C:\\g\\b.jpg");
  Walk("C:\\g");
  EXPECT_EQ(window.messages,
            std::vector<Text>{Message("C:\\g\\b.jpg", "C:\\g\\x-999.jpg",
                                      "同じファイル名があるので変更できません！！")});
  EXPECT_TRUE(disk.FileExists("C:\\g\\b.jpg"));
  EXPECT_EQ(window.state.FolderListText, "C:\\f\\x-999.jpg\r\nC:\\g\\b.jpg\r\n");
  EXPECT_EQ(window.colours.back(), StatusColour::kBlue);
}

TEST_F(WalkTest, ARefusedRenameOrAFolderInTheWayIsReportedAndTheFileListedUnchanged) {
  disk.AddFile("C:\\f\\a.jpg").refuseRename = true;
  disk.AddFolder("C:\\g\\2010-05-23 10.20.30.jpg");
  disk.AddFile("C:\\g\\b.jpg");
  Walk("C:\\f");
  Walk("C:\\g");
  EXPECT_EQ(
      window.messages,
      (std::vector<Text>{Message("C:\\f\\a.jpg", "C:\\f\\2010-05-23 10.20.30.jpg", kFailureTail),
                         Message("C:\\g\\b.jpg", "C:\\g\\2010-05-23 10.20.30.jpg", kFailureTail)}));
  EXPECT_EQ(window.state.FolderListText, "C:\\f\\a.jpg\r\nC:\\g\\b.jpg\r\n");
}

TEST_F(WalkTest, NamesCodePage932CannotHoldAreNeverUsedAsPaths) {
  disk.AddInexact("C:\\f", "a?.jpg", false);
  disk.AddInexact("C:\\f", "x?", true);
  disk.AddInexact("C:\\f", "b?.txt", false);
  disk.AddFile("C:\\f\\2010-05-23 10.20.30.jpg");  // what a? would have been renamed to
  Walk("C:\\f");
  EXPECT_EQ(disk.renameCalls, 0);  // the exact one is named so already
  EXPECT_EQ(
      window.messages,
      (std::vector<Text>{Message("C:\\f\\a?.jpg", "C:\\f\\2010-05-23 10.20.30.jpg", kFailureTail),
                         Message("C:\\f\\x?", "C:\\f\\x?", kFailureTail)}));
  EXPECT_EQ(window.state.FolderListText, "C:\\f\\2010-05-23 10.20.30.jpg\r\nC:\\f\\a?.jpg\r\n");
}

TEST_F(WalkTest, AnAbortFinishesTheFileInHandAndEntersNothingMore) {
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "s1\\d.jpg", "s2\\e.jpg"}) {
    disk.AddFile(Text("C:\\f\\") + name, {2010, 5, 23, 10, 20, name[0] == 'a' ? 30 : 32});
  }
  window.onPump = [this] { window.state.AbortRequested |= window.statusText == "C:\\f\\b.jpg"; };
  Walk("C:\\f");
  EXPECT_EQ(window.state.FolderListText,
            "C:\\f\\2010-05-23 10.20.30.jpg\r\nC:\\f\\2010-05-23 10.20.32.jpg\r\n");
  EXPECT_EQ(disk.Names("C:\\f\\s1"), std::vector<Text>{"d.jpg"});

  // Stopped inside a subfolder, no pending level enters another one.
  window.state.AbortRequested = false;
  window.state.FolderListText.clear();
  disk.listed.clear();
  window.onPump = [this] {
    window.state.AbortRequested |= window.statusText == "C:\\f\\s1\\d.jpg";
  };
  Walk("C:\\f");
  EXPECT_EQ(disk.listed, (std::vector<Text>{"C:\\f", "C:\\f\\s1"}));
  EXPECT_EQ(disk.Names("C:\\f\\s2"), std::vector<Text>{"e.jpg"});
}

}  // namespace
}  // namespace tokiwake::test
