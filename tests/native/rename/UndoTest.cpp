// The journal runs leave and the undo that takes them back, through the run's own entry points.
#include "rename/Undo.h"

#include <gtest/gtest.h>

#include "rename/ProgramFiles.h"
#include "rename/RunFixture.h"

namespace tokiwake::test {
namespace {

const Text kJournalPath = "C:\\tokiwake\\" + Text(kJournalFileName);
constexpr char kKeptNote[] = "\n\n戻していないファイルは「リネーム履歴.txt」に残してあります。";

class UndoTest : public RunFixture {
 protected:
  UndoTest() {
    window.inputs.folderFields[0] = "C:\\f";
    window.state.RenameFormat = "yyyy";
  }
  Text Journal() { return ProgramFile(kJournalFileName); }
  // A journal line for a file of the disk, as a run writes it.
  Text LineFor(const Text& oldPath, const Text& newPath) {
    return JournalLine({oldPath, newPath, FakeDisk::Identity(*disk.Find(newPath))});
  }
};

TEST_F(UndoTest, TwoUndosTakeBackAStoppedRunAndTheRunThatFinishedIt) {
  // a.jpg takes the name 2009.jpg gave up, so only the reverse order puts both back.
  disk.AddFile("C:\\f\\2009.jpg", {2010, 1, 1, 0, 0, 0}).content = "first";
  disk.AddFile("C:\\f\\a.jpg", {2009, 1, 1, 0, 0, 0}).content = "second";
  disk.AddFile("C:\\f\\b.jpg", {2010, 1, 1, 0, 0, 0}).content = "third";
  window.onPump = [this] { window.state.AbortRequested |= window.statusText == "C:\\f\\a.jpg"; };
  run.Start();
  window.onPump = nullptr;
  run.Start();
  const Text journal = Journal();
  const std::vector<JournalRun> runs = SplitRuns(journal);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].header, (RunHeader{"2026/12/08 09:05:03", {"C:\\f", ""}}));
  EXPECT_EQ(ParseEntries(runs[0]).size(), 2u);
  EXPECT_EQ(ParseEntries(runs[1]).size(), 1u);
  disk.Find(kJournalPath)->content += "C:\\f\\x.jpg\tC:\\f\\a";  // cut off by a kill

  run.Undo();
  EXPECT_EQ(window.questionTexts.back(),
            "次の変換で名前を変えた 1 個のファイルを、\n元のファイル名に戻しますか？\n\n"
            "日時：2026/12/08 09:05:03\nフォルダー1：C:\\f");
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2009.jpg", "2010.jpg", "b.jpg"}));
  run.Undo();
  EXPECT_EQ(window.messages.back(), "2 個のファイルを元のファイル名に戻しました。");
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2009.jpg", "a.jpg", "b.jpg"}));
  EXPECT_EQ(disk.Find("C:\\f\\2009.jpg")->content, "first");
  EXPECT_EQ(disk.Find(kJournalPath), nullptr);
  EXPECT_FALSE(run.CanUndo());
}

// Only what a run renamed goes back, and only when the file there is still that file.
TEST_F(UndoTest, EachLineIsTakenBackOnlyWhenItIsSoundAndItsFileUnchanged) {
  for (const char* name : {"new1", "new2", "old2", "new3", "new6", "new7", "x", "y", "z"}) {
    disk.AddFile(Text("C:\\f\\") + name).content = name;
  }
  disk.AddFile("C:\\g\\w");
  disk.AddFile("C:\\tokiwake\\v");
  disk.AddFolder("C:\\f\\dir");
  Text lines = LineFor("C:\\f\\old1", "C:\\f\\new1") + LineFor("C:\\f\\old1", "C:\\f\\new1") +
               LineFor("C:\\f\\old2", "C:\\f\\new2") + LineFor("C:\\f\\old3", "C:\\f\\new3") +
               LineFor("C:\\f\\old6", "C:\\f\\new6") + LineFor("C:\\f\\old7", "C:\\f\\new7") +
               "C:\\f\\old4\tC:\\f\\new4\t1\t2\t3\t4\r\n";  // missing
  disk.Find("C:\\f\\new3")->content = "edited since";
  disk.Find("C:\\f\\new6")->refuseRename = true;
  for (const auto& [from, to] :
       std::vector<std::pair<Text, Text>>{{"C:\\g\\x", "C:\\f\\x"},         // from another folder
                                          {"C:\\f\\..\\g\\w", "C:\\f\\y"},  // up and out
                                          {"C:\\tokiwake\\tokiwake.exe", "C:\\tokiwake\\v"},
                                          {"C:\\f\\z:stream", "C:\\f\\z"},
                                          {"f\\a", "f\\z"},  // relative
                                          {"C:\\f\\d", "C:\\f\\dir"}}) {
    lines += JournalLine({from, to, FileIdentity{}});
  }
  disk.AddFile(kJournalPath).content = HeaderLine({"t", {"C:\\f", ""}}) + lines;
  disk.AddFile("C:\\f\\new7").content = "new7";
  disk.Find("C:\\f\\new7")->index = 999;  // another file under the same name and time

  run.Undo();
  EXPECT_TRUE(window.questionTexts.back().starts_with("次の変換で名前を変えた 12 個"));
  EXPECT_EQ(window.messages.back(),
            Text("1 個のファイルを元のファイル名に戻しました。\n"
                 "1 個は、元のファイル名がほかのファイルに使われているので戻せません！！\n"
                 "2 個は、変換の後で変更されたか別のファイルなので戻しません！！\n"
                 "1 個は、見つからないので戻せません！！\n"
                 "1 個は、変更できないので戻せません！！\n"
                 "6 行は、変換で書かれた行ではないので使いません！！") +
                kKeptNote);
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"dir", "new2", "new3", "new6", "new7", "old1",
                                                    "old2", "x", "y", "z"}));
  EXPECT_EQ(Journal(), HeaderLine({"t", {"C:\\f", ""}}) + LineFor("C:\\f\\old2", "C:\\f\\new2") +
                           LineFor("C:\\f\\old6", "C:\\f\\new6"));
}

TEST_F(UndoTest, TheAbortButtonStopsTheUndoAndAJournalLeftWholeIsToldAndNotCountedTwice) {
  Text journal = HeaderLine({"t", {"C:\\f", ""}});
  for (int i = 1; i <= 4; ++i) {
    const Text n = std::to_string(i);
    disk.AddFile("C:\\f\\new" + n + ".jpg");
    journal += LineFor("C:\\f\\old" + n + ".jpg", "C:\\f\\new" + n + ".jpg");
  }
  disk.AddFile(kJournalPath).content = journal;
  window.onPump = [this] { window.state.AbortRequested |= window.statusText == "C:\\f\\new3.jpg"; };
  run.Undo();
  EXPECT_EQ(window.messages.back(), Text("2 個のファイルを元のファイル名に戻しました。\n"
                                         "2 個は、中断したので戻していません。") +
                                        kKeptNote);

  window.onPump = nullptr;
  disk.Find(kJournalPath)->refuseRename = true;  // neither cut down nor removed
  run.Undo();
  EXPECT_EQ(window.messages.back(),
            "2 個のファイルを元のファイル名に戻しました。\n\n履歴ファイル\n" + kJournalPath +
                " を、\n書き換えられません！！" + WriteProtectionAdvice());
  disk.Find(kJournalPath)->refuseRename = false;
  run.Undo();
  EXPECT_EQ(window.messages.back(), "0 個のファイルを元のファイル名に戻しました。");
  EXPECT_EQ(disk.Names("C:\\f"),
            (std::vector<Text>{"old1.jpg", "old2.jpg", "old3.jpg", "old4.jpg"}));
}

TEST_F(UndoTest, AJournalWithNothingToTakeBackIsRemovedAndOneThatCannotBeReadIsTold) {
  disk.AddFile(kJournalPath).content = "C:\\f\\a.jpg\tC:";  // the first line, cut off
  run.Undo();
  EXPECT_EQ(window.beeps, 1);
  EXPECT_EQ(window.messages, std::vector<Text>{"元に戻すファイルは、ありません！！"});
  EXPECT_EQ(window.questions, 0);
  EXPECT_FALSE(run.CanUndo());

  disk.AddFolder(kJournalPath);  // nothing a journal could be read from
  run.Undo();
  EXPECT_EQ(window.messages.back(), "履歴ファイル\n" + kJournalPath + " を、\n読み込めません！！");
}

// The journal holds the run before; taking that back now would put old names back under renames
// nobody recorded. The first undo says so, the next one offers the run before by its date.
TEST_F(UndoTest, ARunThatCannotWriteItsJournalSaysSoAndItsUndoTakesNothingBack) {
  disk.AddFile("C:\\f\\a.jpg", {2010, 1, 1, 0, 0, 0});
  disk.AddFile("C:\\f\\b.jpg", {2011, 1, 1, 0, 0, 0});
  disk.AddFile("C:\\f\\2009.jpg", {2009, 1, 1, 0, 0, 0});
  disk.AddFile(kJournalPath).content =
      HeaderLine({"t", {"C:\\f", ""}}) + LineFor("C:\\f\\x.jpg", "C:\\f\\2009.jpg");
  disk.Find(kJournalPath)->locked = true;
  run.Start();
  EXPECT_EQ(window.messages,
            std::vector<Text>{"履歴ファイル\n" + kJournalPath +
                              " に、\n書き込めません！！この変換は元に戻せません。\n" +
                              WriteProtectionAdvice()});
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2009.jpg", "2010.jpg", "2011.jpg"}));

  disk.Find(kJournalPath)->locked = false;
  EXPECT_TRUE(run.CanUndo());
  run.Undo();
  EXPECT_EQ(window.messages.back(),
            "前回の変換は、履歴ファイルに書き込めなかったので元に戻せません！！\n"
            "そのファイル名は変更したままにします。");
  EXPECT_EQ(disk.renameCalls, 2);
  run.Undo();
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"2010.jpg", "2011.jpg", "x.jpg"}));
}

TEST_F(UndoTest, NothingIsTakenBackWhileARunIsActive) {
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile(kJournalPath).content = "C:\\f\\x.jpg\tC:\\f\\y.jpg\r\n";
  bool couldUndo = true;
  window.onPump = [&] {
    couldUndo = run.CanUndo();
    run.Undo();
  };
  run.Start();
  EXPECT_FALSE(couldUndo);
  EXPECT_EQ(window.questions, 1);  // the backup question only
  EXPECT_TRUE(run.CanUndo());
}

}  // namespace
}  // namespace tokiwake::test
