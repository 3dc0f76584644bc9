// The preview through the run's own entry point: what it shows, what it leaves alone, and that the
// run then gives exactly the names it showed.
#include "rename/Preview.h"

#include <gtest/gtest.h>

#include <functional>

#include "media/MediaFiles.h"
#include "rename/Journal.h"
#include "rename/ProgramFiles.h"
#include "rename/RunFixture.h"

namespace tokiwake::test {
namespace {

class FakePresenter : public PreviewPresenter, public PreviewProgress {
 public:
  bool Present(Preview& preview) override {
    ++shown;
    shownPreview = &preview;
    preview.Compute(*this);
    rows = preview.Rows();
    cells.clear();
    for (size_t row = 0; row < rows.size(); ++row) {
      cells.emplace_back();
      for (const PreviewColumn column : preview.Columns()) {
        cells.back().push_back(preview.Cell(row, column));
      }
    }
    heading = preview.Heading();
    summary = PreviewSummary(preview.Counts(), preview.Stopped());
    return startRun;
  }
  void PreviewPump() override {
    if (onPump) onPump(*shownPreview);
  }

  bool startRun = false;
  std::function<void(Preview&)> onPump;
  int shown = 0;
  Preview* shownPreview = nullptr;
  std::vector<HandledFile> rows;
  std::vector<std::vector<Text>> cells;
  Text summary;
  Text heading;
};

// Every path under the folder, files with their contents.
std::vector<Text> Tree(FakeDisk& disk, const Text& folder) {
  std::vector<Text> paths;
  for (const FolderEntry& entry : disk.ListFolder(folder)) {
    const Text path = folder + "\\" + entry.name;
    if (!entry.isDirectory) {
      paths.push_back(path + "=" + disk.Find(path)->content);
      continue;
    }
    paths.push_back(path + "\\");
    for (Text& inner : Tree(disk, path)) paths.push_back(std::move(inner));
  }
  return paths;
}

class PreviewTest : public RunFixture {
 protected:
  PreviewTest() { window.state.FolderListText = "the list of the run before"; }
  // Each row's path after the run, as the list file has it.
  static Text ListOf(const std::vector<HandledFile>& rows) {
    Text list;
    for (const HandledFile& row : rows) {
      list += row.folder + "\\" + PreviewCell(row, PreviewColumn::kNewName) + "\r\n";
    }
    return list;
  }
  FakePresenter presenter;
};

// Two folders under `root` whose files clash with each other, with names already there and with
// the other folder's top level, in an order where a later file takes a name an earlier one gave up;
// one file already bears a name a pattern gives, another one in other letter case.
void MakeClashingTrees(FakeDisk& disk, const Text& root) {
  const LocalTime noon{2010, 5, 23, 12, 0, 0};
  const LocalTime evening{2010, 5, 23, 18, 30, 2};
  int n = 0;
  for (const char* path :
       {"\\one\\2010-05-23 12.00.00.jpg", "\\one\\2010.05.23-01.jpg", "\\one\\IMG_1.jpg",
        "\\one\\IMG_2.JPG", "\\one\\sub\\IMG_3.jpg", "\\one\\sub\\IMG_4.jpg", "\\two\\DSC_1.jpg",
        "\\two\\DSC_2.jpg", "\\two\\deep\\DSC_3.jpg", "\\one\\img_20100523_120000.jpg"}) {
    ++n;
    disk.AddFile(root + path, n % 3 == 0 ? evening : noon).content = std::to_string(n);
  }
  disk.AddFile(root + "\\one\\2010-05-23 18.30.02.gif", noon).content = "not a target";
  disk.AddFile(root + "\\two\\2010-05-23 12.00.00-1.jpg", {2009, 1, 1, 0, 0, 0}).content = "old";
}

TEST_F(PreviewTest, TheRunGivesExactlyTheNamesThePreviewShowed) {
  const struct {
    Text root;
    Text pattern;
    int unchanged;  // files that keep their names
  } cases[] = {{"C:\\a", "yyyy-mm-dd hh.mn.ss", 1},
               {"C:\\b", "yyyy.mm.dd-cnt2", 1},
               {"C:\\c", "IMG_yyyymmdd_hhmnss", 0}};  // img_20100523_120000.jpg changes case
  for (const auto& [root, pattern, unchanged] : cases) {
    SCOPED_TRACE(pattern);
    MakeClashingTrees(disk, root);
    window.inputs.folderFields[0] = root + "\\one";
    window.inputs.folderFields[1] = root + "\\two\\";
    window.state.RenameFormat = pattern;
    const std::vector<Text> before = Tree(disk, root);
    const int renamesBefore = disk.renameCalls;

    presenter.startRun = false;
    run.ShowPreview(presenter);
    EXPECT_EQ(Tree(disk, root), before);
    EXPECT_EQ(disk.renameCalls, renamesBefore);
    EXPECT_EQ(window.state.FolderListText, "the list of the run before");
    ASSERT_EQ(presenter.rows.size(), 12u);
    int counted = 0;
    int kept = 0;
    for (const HandledFile& row : presenter.rows) {
      counted += row.nameInTheWay;
      kept += row.result == FileResult::kUnchanged;
    }
    EXPECT_GE(counted, 4);
    EXPECT_EQ(kept, unchanged);

    presenter.startRun = true;
    run.ShowPreview(presenter);
    EXPECT_EQ(window.state.FolderListText, ListOf(presenter.rows));
    std::vector<std::pair<Text, Text>> renames, journaled;
    for (const HandledFile& row : presenter.rows) {
      if (row.result != FileResult::kRenamed) continue;
      renames.emplace_back(row.folder + "\\" + row.oldName, row.folder + "\\" + row.newName);
    }
    EXPECT_EQ(renames.size(), presenter.rows.size() - unchanged);
    for (const JournalEntry& entry :
         ParseEntries(SplitRuns(ProgramFile(kJournalFileName)).back())) {
      journaled.emplace_back(entry.oldPath, entry.newPath);
    }
    EXPECT_EQ(journaled, renames);
    window.state.FolderListText = "the list of the run before";
  }
}

// A remark only where something happened; a counter that counts the files of one time has none.
TEST_F(PreviewTest, ProblemsAreRowsWithARemarkInsteadOfMessages) {
  // Names that are no targets take every name DSC00001 is offered: x, x, x-1 ... x-999.
  window.state.RenameFormat = "x";
  window.inputs.targetList = {{"*.jpg", true}, {"*.00001", true}};
  disk.AddFile("C:\\f\\x");
  for (int n = 1; n <= 999; ++n) disk.AddFile("C:\\f\\x-" + std::to_string(n));
  disk.AddFile("C:\\f\\DSC00001");
  disk.AddFolder("C:\\f\\b\\x.jpg");
  disk.AddFile("C:\\f\\b\\c.jpg");
  disk.AddFile("C:\\f\\c\\d.jpg");
  disk.AddFile("C:\\f\\c\\x.jpg");
  disk.AddInexact("C:\\f", "e?.jpg", false);
  disk.AddInexact("C:\\f", "s?", true);
  disk.AddFile("C:\\g\\p.jpg");
  disk.AddFile("C:\\g\\q.jpg");
  window.inputs.folderFields[0] = "C:\\f\\";
  window.inputs.folderFields[1] = "C:\\g";
  run.ShowPreview(presenter);

  EXPECT_EQ(
      presenter.cells,
      (std::vector<std::vector<Text>>{
          {"フォルダー1", "DSC00001", "DSC00001", "同じファイル名があるので変更できません！！"},
          {"フォルダー1", "e?.jpg", "e?.jpg",
           "ファイル名に扱えない文字があるので変更できません！！"},
          {"フォルダー1\\b", "c.jpg", "c.jpg", "変更できません！！（同じ名前のフォルダーなど）"},
          {"フォルダー1\\c", "d.jpg", "x-1.jpg", "同じ名前があるので番号を進めます"},
          {"フォルダー1\\c", "x.jpg", "x.jpg", "すでにこの名前です（変更なし）"},
          {"フォルダー1", "s?", "", "フォルダー名に扱えない文字があるので中を調べられません！！"},
          {"フォルダー2", "p.jpg", "x.jpg", ""},
          {"フォルダー2", "q.jpg", "x-1.jpg", ""}}));
  EXPECT_EQ(presenter.summary, "対象ファイル 7 個　変更 3 個　変更なし 1 個　問題 4 件");
  EXPECT_TRUE(window.messages.empty());
}

// Before anything is renamed the user sees which files had no shooting date to give.
TEST_F(PreviewTest, WithTheShootingDateEachRowTellsWhereItsTimeCameFrom) {
  window.inputs.useShotDate = true;
  window.inputs.clockCorrection = 3600;
  window.inputs.folderFields[0] = "C:\\f";
  window.state.RenameFormat = "yyyy-mm-dd hh.mn.ss";
  disk.AddFile("C:\\f\\a.jpg").content = Jpeg(Tiff(true, {}, {{0x9003, "2024:05:03 10:15:01"}}));
  disk.AddFile("C:\\f\\b.jpg").content = "no date";
  disk.AddFile("C:\\f\\c.jpg").locked = true;
  run.ShowPreview(presenter);
  EXPECT_EQ(presenter.cells,
            (std::vector<std::vector<Text>>{
                {"フォルダー1", "a.jpg", "2024-05-03 11.15.01.jpg", "撮影日時", ""},
                {"フォルダー1", "b.jpg", "2010-05-23 11.20.30.jpg", "更新日時", ""},
                {"フォルダー1", "c.jpg", "2010-05-23 11.20.30-1.jpg", "更新日時（読み取れません）",
                 ""}}));
  EXPECT_EQ(presenter.heading,
            "パターン「yyyy-mm-dd hh.mn.ss」で付く名前です。まだ何も変更していません。"
            "　時刻の補正：+0日 1時間 0分 0秒");
}

TEST_F(PreviewTest, ItChecksAsTheRunChecksButLeavesThePatternBoxAlone) {
  run.ShowPreview(presenter);
  EXPECT_EQ(window.messages, std::vector<Text>{"フォルダーが設定されていません！！"});
  EXPECT_EQ(window.chooserCalls, 1);
  EXPECT_EQ(presenter.shown, 0);

  window.messages.clear();
  disk.AddFile("C:\\f\\a.jpg");
  disk.AddFile("C:\\f\\b.jpg");
  window.inputs.folderFields[0] = "C:\\f";
  window.state.RenameFormat = "a/b";
  presenter.onPump = [](Preview& preview) {
    if (preview.CurrentPath() == "C:\\f\\a.jpg") preview.Stop();
  };
  run.ShowPreview(presenter);
  EXPECT_EQ(window.messages.size(), 1u);  // the pattern's
  EXPECT_EQ(window.state.RenameFormat, "a/b");
  ASSERT_EQ(presenter.rows.size(), 1u);
  EXPECT_EQ(presenter.rows[0].newName, "2010-05-23 10.20.30.jpg");
  EXPECT_EQ(
      presenter.summary,
      "中断しました。ここまでの結果です：対象ファイル 1 個　変更 1 個　変更なし 0 個　問題 0 件");
  EXPECT_EQ(window.questions, 0);
}

}  // namespace
}  // namespace tokiwake::test
