#include "rename/RenameRun.h"

#include <gtest/gtest.h>

#include "rename/RunFixture.h"

namespace tokiwake::test {
namespace {

constexpr char kListPath[] = "C:\\tokiwake\\FolderList.csv";

class RenameRunTest : public RunFixture {
 protected:
  RenameRunTest() { disk.AddFile("C:\\WINDOWS\\NOTEPAD.EXE"); }
  Text ListFile() { return ProgramFile("FolderList.csv"); }
};

TEST_F(RenameRunTest, WritesTheListHiddenAndOpensItInNotepad) {
  disk.AddFile("C:\\photos\\a.jpg", {2010, 5, 23, 10, 20, 30});
  disk.AddFile("C:\\photos\\sub\\b.jpg", {2010, 5, 24, 11, 22, 34});
  disk.AddFile(kListPath).content = "older list";
  window.inputs.folderFields[0] = "C:\\photos";
  run.Start();
  EXPECT_EQ(ListFile(),
            "C:\\photos\\2010-05-23 10.20.30.jpg\r\nC:\\photos\\sub\\2010-05-24 11.22.34.jpg\r\n");
  EXPECT_TRUE(disk.Find(kListPath)->hidden);
  EXPECT_EQ(window.statusText, "終了");
  EXPECT_EQ(window.colours.back(), StatusColour::kBlack);
  EXPECT_EQ(window.launched, std::vector<Text>{"C:\\WINDOWS\\NOTEPAD.EXE " + Text(kListPath)});
  EXPECT_FALSE(window.state.AbortRequested);
  EXPECT_EQ(window.state.FileCounter, 0);
  EXPECT_TRUE(window.messages.empty());
  EXPECT_FALSE(run.Active());
}

TEST_F(RenameRunTest, FolderTwoAvoidsFolderOneTopLevelNamesButIsNeverWalkedTwice) {
  disk.AddFile("C:\\one\\a.jpg");
  disk.AddFile("C:\\two\\b.jpg");
  window.inputs.folderFields[0] = "C:\\one";
  window.inputs.folderFields[1] = "C:\\two\\";
  run.Start();
  EXPECT_EQ(ListFile(),
            "C:\\one\\2010-05-23 10.20.30.jpg\r\nC:\\two\\2010-05-23 10.20.30-1.jpg\r\n");
  EXPECT_EQ(window.state.InSecondFolder, 1);

  // The same folder spelt another way, and a folder 2 inside folder 1's tree, were walked by
  // folder 1's walk already.
  disk.AddFile("C:\\three\\a.jpg");
  disk.AddFile("C:\\three\\sub\\b.jpg", {2011, 1, 1, 1, 1, 2});
  window.inputs.folderFields[0] = "C:\\three";
  for (const char* second : {"c:\\THREE\\", "C:\\three\\sub"}) {
    window.inputs.folderFields[1] = second;
    run.Start();
    EXPECT_EQ(ListFile(),
              "C:\\three\\2010-05-23 10.20.30.jpg\r\nC:\\three\\sub\\2011-01-01 01.01.02.jpg\r\n")
        << second;
  }
}

TEST_F(RenameRunTest, TheProgramAndTheFilesItKeepsBesideItselfAreNeverRenamed) {
  const std::vector<Text> own = {"Tokiwake.EXE",      "dCamFlist.dat",  "リネームフォーマット.dat",
                                 "dcamflist.dat.tmp", "FolderList.csv", "ReadMe.txt",
                                 "Version.htm",       "MailIcon.gif",   "index.htm"};
  for (const Text& name : own) disk.AddFile("C:\\tokiwake\\" + name);
  disk.AddFile("C:\\tokiwake\\photo.jpg");
  disk.AddFile("C:\\tokiwake\\sub\\ReadMe.txt");
  disk.AddFile("C:\\tokiwake\\help\\window.png");
  window.inputs.folderFields[0] = "C:\\TOKIWAKE\\";
  window.inputs.allFiles = true;
  run.Start();
  for (const Text& name : own) EXPECT_NE(disk.Find("C:\\tokiwake\\" + name), nullptr) << name;
  EXPECT_NE(disk.Find("C:\\tokiwake\\help\\window.png"), nullptr);
  EXPECT_EQ(ListFile(),
            "C:\\TOKIWAKE\\2010-05-23 10.20.30.jpg\r\n"
            "C:\\TOKIWAKE\\sub\\2010-05-23 10.20.30.txt\r\n");
}

TEST_F(RenameRunTest, AListThatCannotBeWrittenIsToldOnceAndNotShown) {
  disk.AddFile("C:\\one\\a.jpg");
  disk.AddFile("C:\\one\\b.jpg", {2011, 1, 1, 1, 1, 2});
  window.inputs.folderFields[0] = "C:\\one";
  const Text message = "一覧ファイル\n" + Text(kListPath) +
                       " に、\n書き込めません！！ドライブやフォルダーが書込み禁止になっていないか\n"
                       "また、書込み権があるか確認してください";
  disk.AddFolder(kListPath);  // a folder of that name
  run.Start();
  EXPECT_EQ(window.messages, std::vector<Text>{message});
  EXPECT_FALSE(disk.Find(kListPath)->hidden);
  EXPECT_TRUE(window.launched.empty());
  EXPECT_EQ(window.statusText, "終了");

  // The list of an earlier run that may not be replaced (read-only, in use) is not shown either.
  disk.RemoveFile(kListPath);
  FakeNode& older = disk.AddFile(kListPath);
  older.content = "older list";
  older.refuseRename = true;
  window.messages.clear();
  run.Start();
  EXPECT_EQ(window.messages, std::vector<Text>{message});
  EXPECT_EQ(ListFile(), "older list");
  EXPECT_TRUE(window.launched.empty());
}

TEST_F(RenameRunTest, AnAbortInFolderOneLeavesFolderTwoAndStillShowsTheList) {
  disk.AddFile("C:\\one\\a.jpg");
  disk.AddFile("C:\\one\\b.jpg");
  disk.AddFile("C:\\two\\c.jpg");
  window.inputs.folderFields[0] = "C:\\one";
  window.inputs.folderFields[1] = "C:\\two";
  window.onPump = [this] { window.state.AbortRequested |= window.statusText == "C:\\one\\a.jpg"; };
  run.Start();
  EXPECT_EQ(ListFile(), "C:\\one\\2010-05-23 10.20.30.jpg\r\n");
  EXPECT_EQ(disk.Names("C:\\two"), std::vector<Text>{"c.jpg"});
  EXPECT_EQ(window.statusText, "終了");
  EXPECT_EQ(window.launched.size(), 1u);
}

TEST_F(RenameRunTest, NothingToListBeepsAndKeepsTheOlderList) {
  disk.AddFile("C:\\one\\notes.txt");
  disk.AddFile(kListPath).content = "older list";
  window.inputs.folderFields[0] = "C:\\one";
  run.Start();
  EXPECT_EQ(window.beeps, 1);
  EXPECT_EQ(window.messages, std::vector<Text>{"表示するリストは、ありません！！"});
  EXPECT_EQ(ListFile(), "older list");
  EXPECT_TRUE(window.launched.empty());
}

TEST_F(RenameRunTest, AnsweringNoTouchesNothing) {
  disk.AddFile("C:\\one\\a.jpg");
  window.inputs.folderFields[0] = "C:\\one";
  window.answerYes = false;
  run.Start();
  EXPECT_EQ(window.questions, 1);
  EXPECT_EQ(disk.renameCalls, 0);
  EXPECT_EQ(ListFile(), "(none)");
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(RenameRunTest, AMissingFolderOneOffersTheChooser) {
  run.Start();
  EXPECT_EQ(window.beeps, 1);
  EXPECT_EQ(window.messages, std::vector<Text>{"フォルダーが設定されていません！！"});
  EXPECT_EQ(window.chooserCalls, 1);
  EXPECT_EQ(window.questions, 0);  // cancelled
  EXPECT_FALSE(window.state.AbortRequested);
  EXPECT_EQ(window.state.FileCounter, 0);

  disk.AddFile("C:\\picked\\a.jpg");
  window.inputs.folderFields[0] = "C:\\gone";
  window.chooserPick = "C:\\picked";
  run.Start();
  EXPECT_EQ(window.chooserCalls, 2);
  EXPECT_EQ(ListFile(), "C:\\picked\\2010-05-23 10.20.30.jpg\r\n");
}

TEST_F(RenameRunTest, AnUnusablePatternGivesWayToTheFallbackForTheRun) {
  const Text message =
      "「リネームフォーマット.dat」に含まれる文字列に、\nファイル名に使用できない文字\n\\/"
      ":*?\"<>|　"
      "が\n在ります\n\nこのアプリの指定形式「yyyy-mm-dd hh.mn.ss」で表示します。";
  disk.AddFile("C:\\one\\a.jpg");
  window.inputs.folderFields[0] = "C:\\one";
  window.state.RenameFormat = "a/b";
  run.Start();
  EXPECT_EQ(window.messages, std::vector<Text>{message});
  EXPECT_EQ(window.state.RenameFormat, "yyyy-mm-dd hh.mn.ss");
  EXPECT_EQ(ListFile(), "C:\\one\\2010-05-23 10.20.30.jpg\r\n");

  // A control character is refused the same way: one message, not one per file.
  disk.AddFile("C:\\one\\b.jpg");
  window.messages.clear();
  window.state.RenameFormat = "yyyy\tmm";
  run.Start();
  EXPECT_EQ(window.messages, std::vector<Text>{message});
  EXPECT_EQ(window.state.RenameFormat, "yyyy-mm-dd hh.mn.ss");

  window.messages.clear();
  window.state.RenameFormat = "";
  run.Start();
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(window.state.RenameFormat, "yyyy-mm-dd hh.mn.ss");
}

TEST_F(RenameRunTest, ASecondClickDuringARunIsIgnoredAndAClosingWindowWaitsForTheRun) {
  disk.AddFile("C:\\one\\a.jpg");
  disk.AddFile("C:\\one\\b.jpg");
  window.inputs.folderFields[0] = "C:\\one";
  bool mayCloseDuringRun = true;
  window.onPump = [this, &mayCloseDuringRun] {
    run.Start();
    if (window.statusText == "C:\\one\\a.jpg") mayCloseDuringRun = run.RequestClose();
  };
  run.Start();
  EXPECT_EQ(window.questions, 1);
  EXPECT_FALSE(mayCloseDuringRun);
  EXPECT_TRUE(run.TakeCloseRequest());
  EXPECT_FALSE(run.TakeCloseRequest());
  EXPECT_EQ(ListFile(), "C:\\one\\2010-05-23 10.20.30.jpg\r\n");  // stopped, list written
  EXPECT_TRUE(run.RequestClose());
}

}  // namespace
}  // namespace tokiwake::test
