#include "rename/Journal.h"

#include <gtest/gtest.h>

#include "rename/FakeDisk.h"

namespace tokiwake::testing {
namespace {

TEST(Journal, EachLineIsTwoPathsAndAnythingElseIsLeftOut) {
  const std::vector<JournalEntry> entries = {
      {"C:\\写真ソ\\表.jpg", "C:\\写真ソ\\2010-05-23 10.20.30.jpg"},  // trail bytes 0x5C
      {"C:\\a,b\\c d.jpg", "C:\\a,b\\e.jpg"}};
  const Text text = JournalText(entries);
  EXPECT_EQ(text,
            "C:\\写真ソ\\表.jpg\tC:\\写真ソ\\2010-05-23 10.20.30.jpg\r\n"
            "C:\\a,b\\c d.jpg\tC:\\a,b\\e.jpg\r\n");
  EXPECT_EQ(ParseJournal(text), entries);

  // Cut off by a kill at every byte of its last line, the journal gives the lines before it.
  const Text complete = JournalLine(entries[0]);
  for (size_t cut = complete.size(); cut < text.size(); ++cut) {
    EXPECT_EQ(ParseJournal(text.substr(0, cut)), std::vector{entries[0]}) << cut;
  }
  EXPECT_EQ(ParseJournal("a\r\n\tb\r\na\t\r\na\tb\tc\r\nx\ty\r\n\r\n"),
            (std::vector<JournalEntry>{{"x", "y"}}));
}

TEST(Journal, TheDiskWritesEachRenameAsItIsDoneAndStartsAfreshAtTheFirst) {
  FakeDisk disk;
  const Text path = "C:\\tokiwake\\" + Text(kJournalFileName);
  disk.AddFile(path).content = "C:\\old\tC:\\run\r\n";
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile("C:\\f\\b.jpg");
  {
    JournalingDisk journaled(disk, path);
    EXPECT_FALSE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\b.jpg"));
    EXPECT_EQ(disk.Find(path)->content, "C:\\old\tC:\\run\r\n");  // nothing renamed yet
    EXPECT_TRUE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\c.jpg"));
    EXPECT_EQ(disk.Find(path)->content, "C:\\f\\a.jpg\tC:\\f\\c.jpg\r\n");
    EXPECT_TRUE(disk.Find(path)->hidden);
    EXPECT_TRUE(journaled.RenameFile("C:\\f\\b.jpg", "C:\\f\\a.jpg"));
    EXPECT_FALSE(journaled.Failed());
  }
  EXPECT_EQ(disk.Find(path)->content,
            "C:\\f\\a.jpg\tC:\\f\\c.jpg\r\nC:\\f\\b.jpg\tC:\\f\\a.jpg\r\n");

  // Once a line could not be written no other follows it; the renames go on.
  disk.appendsLeft = 1;
  JournalingDisk journaled(disk, path);
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\d.jpg"));
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\c.jpg", "C:\\f\\e.jpg"));
  disk.appendsLeft = -1;
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\d.jpg", "C:\\f\\f.jpg"));
  EXPECT_TRUE(journaled.Failed());
  EXPECT_EQ(disk.Find(path)->content, "C:\\f\\a.jpg\tC:\\f\\d.jpg\r\n");
}

TEST(Journal, ARenameIsTakenBackOnlyWhereNothingIsOverwritten) {
  FakeDisk disk;
  disk.AddFile("C:\\f\\new1.jpg");
  disk.AddFile("C:\\f\\new2.jpg");
  disk.AddFile("C:\\f\\old2.jpg");
  disk.AddFile("C:\\f\\new3.jpg");
  disk.AddFolder("C:\\f\\old3.jpg");
  disk.AddFile("C:\\f\\old4.jpg");
  disk.AddFile("C:\\f\\new6.jpg").refuseRename = true;
  const struct {
    const char* oldName;
    const char* newName;
    UndoResult result;
  } cases[] = {
      {"old1.jpg", "new1.jpg", UndoResult::kUndone},
      {"old2.jpg", "new2.jpg", UndoResult::kNameTaken},
      {"old3.jpg", "new3.jpg", UndoResult::kNameTaken},  // by a folder
      {"old4.jpg", "new4.jpg", UndoResult::kUndone},     // back already
      {"old5.jpg", "new5.jpg", UndoResult::kFailed},     // gone
      {"old6.jpg", "new6.jpg", UndoResult::kFailed},     // in use
  };
  for (const auto& entry : cases) {
    EXPECT_EQ(UndoRename(disk, {Text("C:\\f\\") + entry.oldName, Text("C:\\f\\") + entry.newName}),
              entry.result)
        << entry.oldName;
  }
  EXPECT_EQ(disk.Names("C:\\f"), (std::vector<Text>{"new2.jpg", "new3.jpg", "new6.jpg", "old1.jpg",
                                                    "old2.jpg", "old3.jpg", "old4.jpg"}));
}

}  // namespace
}  // namespace tokiwake::testing
