// The two items of the ファイル menu in the real window on real files: the preview, read from its
// list view while it is up and then used to start the run, and the undo of that run.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"
#include "rename/Journal.h"
#include "ui/frmPreview.h"

namespace tokiwake::test {
namespace {

constexpr char kJournalName[] = "リネーム履歴.txt";

void Photo(const Text& path, WORD hour, std::string_view bytes) {
  WriteBytes(path, bytes);
  SetLocalWriteTime(path, {2010, 5, 0, 23, hour, 20, 30, 0});
}

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::pair<LONG, LONG> Size(const RECT& rect) {
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Every row of a list view, each cell as code page 932 bytes.
std::vector<std::vector<Text>> ListRows(HWND list) {
  std::vector<std::vector<Text>> rows;
  const auto count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT row = 0; row < count; ++row) {
    std::vector<Text>& cells = rows.emplace_back();
    for (int column = 0; column < 4; ++column) {
      wchar_t buffer[512] = {};
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = buffer;
      item.cchTextMax = 512;
      SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      cells.push_back(Narrow(buffer));
    }
  }
  return rows;
}

class PreviewUndoTest : public MainWindowTest {
 protected:
  void Prepare(const Text& folder1, const Text& folder2) {
    Start();
    Conv().SetText(ids::txt_Directory0, folder1);
    Conv().SetText(ids::txt_Directory1, folder2);
    Conv().SetText(ids::txt_TimeReName, "yyyy-mm-dd hh.mn.ss");
  }

  // Whether the ファイル menu offers the item as the user opens it.
  bool MenuItemEnabled(int id) {
    HMENU file = GetSubMenu(GetMenu(Conv().Handle()), 0);
    SendMessageW(Conv().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    return (GetMenuState(file, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }

  Text JournalPath() { return programFolder_ / kJournalName; }

  // Every run asks for Notepad on its list.
  void ExpectTheListShown() {
    EXPECT_EQ(TakeLaunches(), std::vector<Launch>{NotepadOn(programFolder_ / "FolderList.csv")});
  }
};

TEST_F(PreviewUndoTest, ThePreviewListsTheNewNamesTouchingNothingAndItsButtonRunsJustThat) {
  TempFolder one("one");
  TempFolder two("two");
  MakeFolder(one / "sub");
  Photo(one / "a.jpg", 10, "a");
  Photo(one / "b.jpg", 10, "b");
  Photo(one / "sub\\c.jpg", 11, "c");
  Photo(two / "d.jpg", 10, "d");
  Prepare(one.Path(), two.Path());
  const std::vector<Text> before = ListFolder(one.Path());

  std::vector<std::vector<Text>> rows;
  Text summary;
  bool touched = true;
  dialogs_.ExpectBox(ButtonCaption("はい"));
  std::thread user([&] {
    // Shown once its controls are all there.
    HWND dialog = nullptr;
    WaitUntil([&] {
      dialog = FindWindowW(L"TfrmPreview", nullptr);
      return dialog != nullptr && IsWindowVisible(dialog);
    });
    ASSERT_NE(dialog, nullptr);
    HWND start = GetDlgItem(dialog, preview_ids::kStartRun);
    if (!WaitUntil([&] { return IsWindowEnabled(start) != FALSE; }, Milliseconds(30'000))) {
      ADD_FAILURE() << "the preview did not finish: "
                    << ForLog(GetText(GetDlgItem(dialog, preview_ids::kSummary)));
      PostMessageW(dialog, WM_CLOSE, 0, 0);
      return;
    }
    EXPECT_EQ(GetText(dialog), "プレビュー");
    EXPECT_FALSE(IsWindowEnabled(Conv().Handle()));
    // Made larger, the list grows with it and the buttons keep to the lower right corner.
    HWND list = GetDlgItem(dialog, preview_ids::kList);
    const RECT listBefore = RectOf(list);
    const RECT startBefore = RectOf(start);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left + 100,
                 outer.bottom - outer.top + 60, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Size(RectOf(list)),
              std::make_pair(Size(listBefore).first + 100, Size(listBefore).second + 60));
    EXPECT_EQ(Size(RectOf(start)), Size(startBefore));
    EXPECT_EQ(RectOf(start).left - startBefore.left, 100);
    EXPECT_EQ(RectOf(start).top - startBefore.top, 60);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, preview_ids::kStop)));
    rows = ListRows(GetDlgItem(dialog, preview_ids::kList));
    summary = GetText(GetDlgItem(dialog, preview_ids::kSummary));
    touched = ListFolder(one.Path()) != before || PathExists(programFolder_ / "FolderList.csv") ||
              PathExists(JournalPath());
    PostMessageW(start, BM_CLICK, 0, 0);
  });
  ChooseMenuItem(Conv().Handle(), ids::mnuPreview);
  user.join();
  EXPECT_EQ(dialogs_.Take().boxes.at(0).caption, "確認");
  ExpectTheListShown();
  EXPECT_FALSE(touched);

  // a.jpg and b.jpg share a time; which one the folder lists first takes the plain name, and the
  // other counts on without a remark. d.jpg meets both names at folder 1's top level.
  ASSERT_EQ(rows.size(), 4u);
  std::vector<Text> newNames;
  Text shownList;
  for (const std::vector<Text>& row : rows) {
    const Text field = row[0].substr(0, 11) == "フォルダー1" ? one.Path() : two.Path();
    const Text path = field + row[0].substr(11) + "\\" + row[2];
    newNames.push_back(path);
    shownList += path + "\r\n";
    const bool inTheWay = row[2].find("30-2") != Text::npos;
    EXPECT_EQ(row[3], inTheWay ? "同じ名前があるので番号を進めます" : "") << ForLog(row[2]);
  }
  std::sort(newNames.begin(), newNames.end());
  EXPECT_EQ(
      newNames,
      (std::vector<Text>{one / "2010-05-23 10.20.30-1.jpg", one / "2010-05-23 10.20.30.jpg",
                         one / "sub\\2010-05-23 11.20.30.jpg", two / "2010-05-23 10.20.30-2.jpg"}));
  EXPECT_EQ(summary, "対象ファイル 4 個　変更 4 個　変更なし 0 個　問題 0 件");
  EXPECT_EQ(ReadBytes(programFolder_ / "FolderList.csv"), shownList);
  EXPECT_TRUE(IsWindowEnabled(Conv().Handle()));
}

TEST_F(PreviewUndoTest, UndoTakesTheLastRunBackAndKeepsWhatItCouldNot) {
  TempFolder photos("photos");
  MakeFolder(photos / "表");
  Photo(photos / "ソ.jpg", 9, "first");
  Photo(photos / "b.jpg", 10, "second");
  Photo(photos / "表\\c.jpg", 11, "third");
  Prepare(photos.Path(), "");
  EXPECT_FALSE(MenuItemEnabled(ids::mnuUndo));
  EXPECT_TRUE(MenuItemEnabled(ids::mnuPreview));
  dialogs_.ExpectBox(ButtonCaption("はい"));
  ClickButton(Control(ids::cmd_START));
  dialogs_.Take();
  ExpectTheListShown();
  const Text journal = ReadBytes(JournalPath()).value_or("");
  const std::vector<JournalEntry> renames = ParseEntries(SplitRuns(journal).back());
  ASSERT_EQ(renames.size(), 3u);
  EXPECT_EQ(renames.back().newPath, photos / "表\\2010-05-23 11.20.30.jpg");
  EXPECT_EQ(Attributes(JournalPath()) &
                (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(MenuItemEnabled(ids::mnuUndo));

  WriteBytes(photos / "b.jpg", "another file");  // takes b.jpg's old name
  dialogs_.ExpectBox(ButtonCaption("はい"));
  dialogs_.ExpectBox(ButtonId(IDOK));
  ChooseMenuItem(Conv().Handle(), ids::mnuUndo);
  const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "確認");
  EXPECT_TRUE(boxes[0].text.starts_with(
      "次の変換で名前を変えた 3 個のファイルを、\n元のファイル名に戻しますか？\n\n日時："));
  EXPECT_TRUE(boxes[0].text.ends_with("\nフォルダー1：" + photos.Path()));
  EXPECT_EQ(boxes[1].caption, "Tokiwake");
  EXPECT_EQ(boxes[1].text,
            "2 個のファイルを元のファイル名に戻しました。\n"
            "1 個は、元のファイル名がほかのファイルに使われているので戻せません！！\n\n"
            "戻していないファイルは「リネーム履歴.txt」に残してあります。");
  EXPECT_EQ(ReadBytes(photos / "ソ.jpg"), "first");
  EXPECT_EQ(ReadBytes(photos / "表\\c.jpg"), "third");
  EXPECT_EQ(ReadBytes(photos / "2010-05-23 10.20.30.jpg"), "second");
  const Text left = ReadBytes(JournalPath()).value_or("");
  const std::vector<JournalEntry> kept = ParseEntries(SplitRuns(left).back());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].oldPath, photos / "b.jpg");

  RemoveAll(photos / "b.jpg");
  dialogs_.ExpectBox(ButtonCaption("はい"));
  dialogs_.ExpectBox(ButtonId(IDOK));
  ChooseMenuItem(Conv().Handle(), ids::mnuUndo);
  EXPECT_EQ(dialogs_.Take().boxes.back().text, "1 個のファイルを元のファイル名に戻しました。");
  EXPECT_EQ(ListFolder(photos.Path()), (std::vector<Text>{"b.jpg", "ソ.jpg", "表"}));
  EXPECT_EQ(ReadBytes(photos / "b.jpg"), "second");
  EXPECT_FALSE(PathExists(JournalPath()));
  EXPECT_FALSE(MenuItemEnabled(ids::mnuUndo));
}

// Held open by another program, the journal takes none of the run's renames: the run says so, and
// the undo after it renames nothing and says why.
TEST_F(PreviewUndoTest, ARunWhoseJournalIsHeldOpenIsNotTakenBackByTheUndo) {
  TempFolder photos("photos");
  Photo(photos / "a.jpg", 9, "first");
  Prepare(photos.Path(), "");
  WriteBytes(JournalPath(), "");
  std::vector<SeenBox> boxes;
  {
    LockedFile held(JournalPath());
    dialogs_.ExpectBox(ButtonCaption("はい"));
    dialogs_.ExpectBox(ButtonId(IDOK));
    ClickButton(Control(ids::cmd_START));
    boxes = dialogs_.Take().boxes;
  }
  ExpectTheListShown();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(boxes[1].text.starts_with("履歴ファイル\n" + JournalPath() +
                                        " に、\n書き込めません！！この変換は元に戻せません。"));
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"2010-05-23 09.20.30.jpg"});
  EXPECT_TRUE(MenuItemEnabled(ids::mnuUndo));
  dialogs_.ExpectBox(ButtonId(IDOK));
  ChooseMenuItem(Conv().Handle(), ids::mnuUndo);
  EXPECT_EQ(dialogs_.Take().boxes.at(0).text,
            "前回の変換は、履歴ファイルに書き込めなかったので元に戻せません！！\n"
            "そのファイル名は変更したままにします。");
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"2010-05-23 09.20.30.jpg"});
}

}  // namespace
}  // namespace tokiwake::test
