#include "rename/Journal.h"

#include <gtest/gtest.h>

#include "rename/FakeDisk.h"
#include "rename/JournalingDisk.h"
#include "rename/ProgramFiles.h"

namespace tokiwake::test {
namespace {

const JournalEntry kFirst{"C:\\写真ソ\\表.jpg", "C:\\写真ソ\\2010-05-23 10.20.30.jpg",
                          FileIdentity{1234, 129000000000000000, 7, 42}};  // trail bytes 0x5C
const JournalEntry kSecond{"C:\\a,b\\c d.jpg", "C:\\a,b\\e.jpg", FileIdentity{5, 6, 0, 0}};
const RunHeader kHeader{"2010/05/23 10:20:30", {"C:\\写真ソ", ""}};

TEST(Journal, RunsAreAHeaderAndTheirLinesAndAnythingElseIsLeftOut) {
  const Text run = HeaderLine(kHeader) + JournalLine(kFirst) + JournalLine(kSecond);
  EXPECT_EQ(
      run,
      "#\t2010/05/23 10:20:30\tC:\\写真ソ\t\r\n"
      "C:\\写真ソ\\表.jpg\tC:\\写真ソ\\2010-05-23 10.20.30.jpg\t1234\t129000000000000000\t7\t42\r\n"
      "C:\\a,b\\c d.jpg\tC:\\a,b\\e.jpg\t5\t6\t0\t0\r\n");
  // An earlier version's lines (two paths, no header) are a run of their own before the others.
  const Text legacy = "C:\\f\\a.jpg\tC:\\f\\b.jpg\r\na\r\n\tb\r\na\tb\tc\r\nx\ty\t1\t2\t3\tz\r\n";
  const Text text = legacy + run + HeaderLine({"2011/01/01 00:00:00", {"D:\\", "E:\\"}}) +
                    "C:\\f\\a.jpg\tC:\\f\\b.jpg\r\n";  // two paths under a header
  const std::vector<JournalRun> runs = SplitRuns(text);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0].header, std::nullopt);
  EXPECT_EQ(ParseEntries(runs[0]),
            std::vector<JournalEntry>({{"C:\\f\\a.jpg", "C:\\f\\b.jpg", std::nullopt}}));
  EXPECT_EQ(runs[1].header, kHeader);
  EXPECT_EQ(ParseEntries(runs[1]), (std::vector{kFirst, kSecond}));
  EXPECT_EQ(text.substr(runs[1].begin, runs[1].end - runs[1].begin), run);
  EXPECT_TRUE(ParseEntries(runs[2]).empty());

  // Cut off by a kill at every byte of its last line, the journal gives the lines before it; read
  // from its tail, it leaves out the rest of a line it starts with.
  for (size_t cut = run.size() - JournalLine(kSecond).size(); cut < run.size(); ++cut) {
    EXPECT_EQ(ParseEntries(SplitRuns(run.substr(0, cut)).back()), std::vector{kFirst}) << cut;
  }
  EXPECT_EQ(ParseEntries(SplitRuns(run.substr(40), true).front()), std::vector{kSecond});
}

class JournalingDiskTest : public ::testing::Test {
 protected:
  JournalingDiskTest() {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) disk.AddFile(Text("C:\\f\\") + name);
  }
  Text Journal() { return disk.Find(path)->content; }
  FakeDisk disk;
  const Text path = "C:\\tokiwake\\" + Text(kJournalFileName);
};

TEST_F(JournalingDiskTest, EachRenameGoesInAsItIsDoneUnderTheHeaderOfItsRun) {
  const Text before = "C:\\old\tC:\\run";  // a line cut off by a kill
  disk.AddFile(path).content = before;
  JournalingDisk journaled(disk, path, kHeader);
  EXPECT_FALSE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\b.jpg", {}));
  EXPECT_EQ(Journal(), before);
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\d.jpg", {1, 2, 3, 4}));
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\b.jpg", "C:\\f\\a.jpg", {5, 6, 7, 8}));
  EXPECT_EQ(Journal(), before + "\r\n" + HeaderLine(kHeader) +
                           "C:\\f\\a.jpg\tC:\\f\\d.jpg\t1\t2\t3\t4\r\n"
                           "C:\\f\\b.jpg\tC:\\f\\a.jpg\t5\t6\t7\t8\r\n");
  EXPECT_FALSE(journaled.Failed());

  // Once a line could not be written no other follows it; the renames go on.
  disk.appendsLeft = 0;
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\c.jpg", "C:\\f\\e.jpg", {}));
  disk.appendsLeft = -1;
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\e.jpg", "C:\\f\\g.jpg", {}));
  EXPECT_TRUE(journaled.Failed());
  EXPECT_EQ(ParseEntries(SplitRuns(Journal()).back()).size(), 2u);
}

// Held open elsewhere, the journal can be neither appended to nor removed: the run goes on and says
// so, and the journal keeps only the runs before.
TEST_F(JournalingDiskTest, ALockedJournalKeepsItsRunsAndTheRunIsNotRecorded) {
  disk.AddFile(path).content = HeaderLine(kHeader) + JournalLine(kFirst);
  disk.Find(path)->locked = true;
  JournalingDisk journaled(disk, path, kHeader);
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\c.jpg", "C:\\f\\y.jpg", {}));
  EXPECT_TRUE(journaled.Failed());
  EXPECT_EQ(Journal(), HeaderLine(kHeader) + JournalLine(kFirst));
}

TEST_F(JournalingDiskTest, ItKeepsTheNewestRunsBeforeANewOneStarts) {
  Text before;
  for (int run = 1; run <= 25; ++run) {
    before += HeaderLine({std::to_string(run), {"C:\\f", ""}}) +
              JournalLine({"C:\\f\\" + std::to_string(run), "C:\\f\\x", FileIdentity{}});
  }
  disk.AddFile(path).content = before;
  JournalingDisk journaled(disk, path, kHeader);
  EXPECT_TRUE(journaled.RenameFile("C:\\f\\a.jpg", "C:\\f\\d.jpg", {}));
  const Text journal = Journal();
  const std::vector<JournalRun> runs = SplitRuns(journal);
  ASSERT_EQ(runs.size(), kJournalRuns);
  EXPECT_EQ(runs.front().header->when, "7");
  EXPECT_EQ(runs.back().header, kHeader);
}

}  // namespace
}  // namespace tokiwake::test
