// The journal a run leaves and the undo that takes it back, through the run's own entry points.
#include <gtest/gtest.h>

#include "rename/Journal.h"
#include "rename/RunFixture.h"

namespace tokiwake::testing {
namespace {

const Text kJournalPath = "C:\\tokiwake\\" + Text(kJournalFileName);

class UndoTest : public RunFixture {
 protected:
  Text Journal() { return ProgramFile(kJournalFileName); }
};

TEST_F(UndoTest, ARunJournalsItsRenamesInOrderAndTheUndoTakesThemBackLastFirst) {
  // a.jpg takes the name 2009.jpg gave up, so only the reverse order puts both back.
  disk.AddFile("C:\\f\\2009.jpg", {2010, 1, 1, 0, 0, 0}).content = "first";
  disk.AddFile("C:\\f\\a.jpg", {2009, 1, 1, 0, 0, 0}).content = "second";
  disk.AddFile("C:\\f\\b.jpg", {2010, 1, 1, 0, 0, 0}).content = "third";
  window.folderFields[0] = "C:\\f";
  window.state.RenameFormat = "yyyy";
  run.cmd_STARTClick();
  ASSERT_EQ(Journal(),
            "C:\\f\\2009.jpg\tC:\\f\\2010.jpg\r\nC:\\f\\a.jpg\tC:\\f\\2009.jpg\r\n"
            "C:\\f\\b.jpg\tC:\\f\\2010-1.jpg\r\n");
  disk.Find(kJournalPath)->content += "C:\\f\\x.jpg\tC:\\f\\a";  // cut off by a kill

  run.UndoLastRun();
  EXPECT_EQ(window.messages, std::vector<Text>{"3 個のファイルを元のファイル名に戻しました。"});
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2009.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(disk.Find("C:\\f\\2009.jpg")->content, "first");
  EXPECT_EQ(disk.Find("C:\\f\\a.jpg")->content, "second");
  EXPECT_EQ(disk.Find(kJournalPath), nullptr);
  EXPECT_FALSE(run.CanUndo());
}

TEST_F(UndoTest, AskedFirstItLeavesTakenNamesAndKeepsTheirLines) {
  disk.AddFile("C:\\f\\2010-1.jpg");
  disk.AddFile("C:\\f\\2010-2.jpg");
  disk.AddFile("C:\\f\\b.jpg");  // the name of the second file, taken again since
  disk.AddFile(kJournalPath).content =
      "C:\\f\\a.jpg\tC:\\f\\2010-1.jpg\r\nC:\\f\\b.jpg\tC:\\f\\2010-2.jpg\r\n"
      "C:\\f\\c.jpg\tC:\\f\\gone.jpg\r\n";
  ASSERT_TRUE(run.CanUndo());

  window.answerYes = false;
  run.UndoLastRun();
  EXPECT_EQ(window.questions, 1);
  EXPECT_EQ(disk.renameCalls, 0);

  window.answerYes = true;
  run.UndoLastRun();
  EXPECT_EQ(
      window.messages,
      std::vector<Text>{"1 個のファイルを元のファイル名に戻しました。\n"
                        "1 個は、元のファイル名がほかのファイルに使われているので戻せません！！\n"
                        "1 個は、見つからないか変更できないので戻せません！！\n\n"
                        "戻していないファイルは「リネーム履歴.txt」に残してあります。"});
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2010-2.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(Journal(), "C:\\f\\b.jpg\tC:\\f\\2010-2.jpg\r\nC:\\f\\c.jpg\tC:\\f\\gone.jpg\r\n");
  EXPECT_TRUE(disk.Find(kJournalPath)->hidden);
  EXPECT_EQ(window.statusText, "終了");
}

TEST_F(UndoTest, TheQuestionCountsTheFilesAndTheAbortButtonStopsTheUndo) {
  Text journal;
  for (int i = 1; i <= 4; ++i) {
    const Text n = std::to_string(i);
    disk.AddFile("C:\\f\\new" + n + ".jpg");
    journal += "C:\\f\\old" + n + ".jpg\tC:\\f\\new" + n + ".jpg\r\n";
  }
  disk.AddFile(kJournalPath).content = journal;
  window.onPump = [this] { window.state.AbortRequested |= window.statusText == "C:\\f\\new3.jpg"; };
  run.UndoLastRun();
  EXPECT_EQ(window.questionTexts,
            std::vector<Text>{
                "前回の変換で名前を変えた 4 個のファイルを、\n元のファイル名に戻しますか？"});
  EXPECT_EQ(window.messages,
            std::vector<Text>{"2 個のファイルを元のファイル名に戻しました。\n"
                              "2 個は、中断したので戻していません。\n\n"
                              "戻していないファイルは「リネーム履歴.txt」に残してあります。"});
  EXPECT_EQ(Journal(), "C:\\f\\old1.jpg\tC:\\f\\new1.jpg\r\nC:\\f\\old2.jpg\tC:\\f\\new2.jpg\r\n");
}

TEST_F(UndoTest, AJournalThatCannotBeCutDownStandsWholeAndItsUndoneLinesCountAsDoneNextTime) {
  const Text journal = "C:\\f\\a.jpg\tC:\\f\\x.jpg\r\nC:\\f\\b.jpg\tC:\\f\\y.jpg\r\n";
  disk.AddFile("C:\\f\\x.jpg");
  disk.AddFile("C:\\f\\y.jpg");
  disk.AddFile("C:\\f\\a.jpg");  // taken again: x.jpg stays, and its line with it
  disk.AddFile(kJournalPath).content = journal;
  disk.appendsLeft = 0;  // the journal's rewrite fails
  run.UndoLastRun();
  EXPECT_EQ(Journal(), journal);
  EXPECT_TRUE(disk.FileExists("C:\\f\\b.jpg"));

  disk.appendsLeft = -1;
  run.UndoLastRun();
  EXPECT_EQ(window.messages.back(),
            "1 個のファイルを元のファイル名に戻しました。\n"
            "1 個は、元のファイル名がほかのファイルに使われているので戻せません！！\n\n"
            "戻していないファイルは「リネーム履歴.txt」に残してあります。");
  EXPECT_EQ(Journal(), "C:\\f\\a.jpg\tC:\\f\\x.jpg\r\n");
}

TEST_F(UndoTest, AJournalWithNothingToTakeBackIsRemovedAndOneThatCannotBeReadIsTold) {
  disk.AddFile(kJournalPath).content = "C:\\f\\a.jpg\tC:";  // the first line, cut off
  run.UndoLastRun();
  EXPECT_EQ(window.beeps, 1);
  EXPECT_EQ(window.messages, std::vector<Text>{"元に戻すファイルは、ありません！！"});
  EXPECT_EQ(window.questions, 0);
  EXPECT_FALSE(run.CanUndo());

  disk.AddFolder(kJournalPath);  // nothing a journal could be read from
  run.UndoLastRun();
  EXPECT_EQ(window.messages.back(), "履歴ファイル\n" + kJournalPath + " を、\n読み込めません！！");
}

TEST_F(UndoTest, ARunThatCannotWriteItsJournalSaysSoOnceAndRenamesAll) {
  disk.AddFile("C:\\f\\a.jpg", {2010, 1, 1, 0, 0, 0});
  disk.AddFile("C:\\f\\b.jpg", {2011, 1, 1, 0, 0, 0});
  disk.AddFile(kJournalPath).refuseRename = true;  // read-only
  window.folderFields[0] = "C:\\f";
  window.state.RenameFormat = "yyyy";
  run.cmd_STARTClick();
  EXPECT_EQ(window.messages,
            std::vector<Text>{"履歴ファイル\n" + kJournalPath +
                              " に、\n書き込めません！！この変換は元に戻せません。\n" +
                              WriteProtectionAdvice()});
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2010.jpg", "2011.jpg"}));
  EXPECT_EQ(window.statusText, "終了");
}

TEST_F(UndoTest, NothingIsTakenBackWhileARunIsActive) {
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile(kJournalPath).content = "C:\\f\\x.jpg\tC:\\f\\y.jpg\r\n";
  window.folderFields[0] = "C:\\f";
  bool couldUndo = true;
  window.onPump = [&] {
    couldUndo = run.CanUndo();
    run.UndoLastRun();
  };
  run.cmd_STARTClick();
  EXPECT_FALSE(couldUndo);
  EXPECT_EQ(window.questions, 1);  // the backup question only
  EXPECT_TRUE(run.CanUndo());
}

}  // namespace
}  // namespace tokiwake::testing
