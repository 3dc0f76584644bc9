// Folders, files and shortcuts dropped onto the real window: a DROPFILES block posted with the
// pointer over a control, real folders and files, and shortcuts saved by the shell's link object.
#include <gtest/gtest.h>

#include "DropFiles.h"
#include "FlashRecorder.h"
#include "MainWindowFixture.h"
#include "ui/rules/DropRules.h"

namespace tokiwake::test {
namespace {

constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class DropsTest : public MainWindowTest {
 protected:
  HWND Edit(int index) { return Control(index == 0 ? ids::txt_Directory0 : ids::txt_Directory1); }
  void DropOn(HWND under, const std::vector<Text>& paths) { Drop(Conv().Handle(), under, paths); }

  // Drops while the fields' colours are recorded, and returns the colours they were painted with:
  // both as they were, then each change.
  std::vector<Paint> DropWatched(HWND under, const std::vector<Text>& paths) {
    FlashRecorder recorder(Conv().Handle(), Edit(0), Edit(1));
    PauseSpy::Take();
    DropOn(under, paths);
    paused_ = PauseSpy::Take();
    return recorder.Painted();
  }

  // The drop ended with field `index` lime for 400 ms and then plain again for 200 ms, and gave it
  // the focus.
  void ExpectLimeFlashLast(int index, const std::vector<Paint>& painted) {
    ASSERT_GE(painted.size(), 4u);
    ASSERT_GE(paused_.size(), 2u);
    EXPECT_EQ(std::vector<DWORD>(paused_.end() - 2, paused_.end()), (std::vector<DWORD>{400, 200}));
    const COLORREF plain = painted[0].colour;
    EXPECT_NE(plain, kLime);
    EXPECT_EQ(std::vector<Paint>(painted.end() - 2, painted.end()),
              (std::vector<Paint>{{index, kLime}, {index, plain}}));
    EXPECT_EQ(GetFocus(), Edit(index));
  }

  std::vector<DWORD> paused_;  // by the window, in the last drop watched
  TempFolder a_{"a"};
  TempFolder b_{"b"};
};

TEST_F(DropsTest, AFileGivesItsFolderWhichFlashesLimeAndTakesTheFocus) {
  WriteBytes(a_ / "IMG_0001.JPG", "photo");
  Start();
  FocusOn(Control(ids::lstASCII));
  const std::vector<Paint> painted = DropWatched(Edit(0), {a_ / "IMG_0001.JPG"});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Conv().State().CurFolder, a_.Path());
  EXPECT_EQ(painted.size(), 4u);  // both plain, then folder 1 lime and plain again
  EXPECT_EQ(paused_.size(), 2u);
  ExpectLimeFlashLast(0, painted);

  // A file in a drive root gives the root with its separator.
  const Text root = a_.Path().substr(0, 3);
  const Text rootFile = root + "tokiwake-drop-" + std::to_string(GetCurrentProcessId()) + ".jpg";
  WriteBytes(rootFile, "photo");
  DropOn(Edit(0), {rootFile});
  RemoveAll(rootFile);
  EXPECT_EQ(Folder1(), root);
}

TEST_F(DropsTest, OnFolder2AFolderMovesUpWhenFolder1IsEmptyAndIsRefusedWhenFolder1HoldsIt) {
  Start();
  std::vector<Paint> painted = DropWatched(Edit(1), {a_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), "");
  // Folder 1 yellow, folder 2 yellow, then folder 2 lime.
  ASSERT_FALSE(painted.empty());
  const COLORREF plain = painted[0].colour;
  EXPECT_EQ(painted, (std::vector<Paint>{{0, plain},
                                         {1, plain},
                                         {0, kYellow},
                                         {0, plain},
                                         {1, kYellow},
                                         {1, plain},
                                         {1, kLime},
                                         {1, plain}}));
  ExpectLimeFlashLast(1, painted);

  Conv().SetText(ids::txt_Directory1, b_.Path());
  painted = DropWatched(Edit(1), {a_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(painted, (std::vector<Paint>{{0, plain}, {1, plain}}));
  EXPECT_EQ(paused_, std::vector<DWORD>{});
}

TEST_F(DropsTest, OutsideTheFieldsOnlyWhileBothAreEmptyAndTheLastOfSeveralWins) {
  Start();
  DropOn(Control(ids::cmd_Directory1), {b_.Path(), a_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  DropOn(Control(ids::lbl_Directory0), {b_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), "");
}

TEST_F(DropsTest, ShortcutsLeadToTheirTargetAndBrokenOnesChangeNothing) {
  const Text photos = b_ / "写真 (1)";
  MakeFolder(photos);
  MakeShortcut(a_ / "Photos.LNK", photos);
  MakeFolder(b_ / "gone");
  MakeShortcut(a_ / "toGone.lnk", b_ / "gone");
  RemoveAll(b_ / "gone");
  WriteBytes(a_ / "loop2.lnk", "");
  MakeShortcut(a_ / "loop1.lnk", a_ / "loop2.lnk");
  MakeShortcut(a_ / "loop2.lnk", a_ / "loop1.lnk");
  Start();
  Conv().SetText(ids::txt_Directory0, b_.Path());
  for (const char* broken : {"toGone.lnk", "loop1.lnk"}) {
    DropOn(Edit(0), {a_ / broken});
    EXPECT_EQ(Folder1(), b_.Path()) << broken;
  }
  DropOn(Edit(0), {a_ / "Photos.LNK"});
  EXPECT_EQ(Folder1(), photos);
}

TEST_F(DropsTest, PathsThatCannotBeTakenWholeAreIgnored) {
  // A folder of 254 bytes and a sibling with one byte more, which cut to fit would name the first.
  const Text fits = a_ / Text(kMaxDroppedPathBytes - a_.Path().size() - 1, 'p');
  ASSERT_TRUE(CreateDirectoryW(ToWide("\\\\?\\" + fits).c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryW(ToWide("\\\\?\\" + fits + "q").c_str(), nullptr));
  // Read with best fit, the yen sign would become a backslash and name the folder p\q.
  const std::wstring yen = ToWide(a_.Path()) + L"\\p\u00A5q";
  ASSERT_TRUE(CreateDirectoryW(yen.c_str(), nullptr));
  MakeFolder(a_ / "p");
  MakeFolder(a_ / "p\\q");
  // A shortcut whose target needs more than 259 bytes in code page 932, though fewer characters.
  Text deep = b_.Path();
  for (int level = 0; level < 3; ++level) {
    deep += "\\";
    for (int i = 0; i < 50; ++i) deep += "写";
    MakeFolder(deep);
  }
  MakeShortcut(a_ / "deep.lnk", deep);
  Start();
  Conv().SetText(ids::txt_Directory0, b_.Path());
  DropOn(Edit(0), {fits + "q"});
  PostDropWide(Conv().Handle(), Edit(0), {yen});
  PumpMessages();
  DropOn(Edit(0), {a_ / "deep.lnk"});
  EXPECT_EQ(Folder1(), b_.Path());
  DropOn(Edit(0), {fits});
  EXPECT_EQ(Folder1(), fits);
}

}  // namespace
}  // namespace tokiwake::test
