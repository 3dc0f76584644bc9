// Folders, files and shortcuts dropped onto the real window: a DROPFILES block posted with the
// pointer over a control, real folders and files, and shortcuts saved by the shell's link object.
#include <gtest/gtest.h>

#include "DropFiles.h"
#include "FlashRecorder.h"
#include "MainWindowFixture.h"
#include "text/DropRules.h"

namespace tokiwake::test {
namespace {

constexpr COLORREF kLime = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

class DropsTest : public MainWindowTest {
 protected:
  HWND Edit(int index) { return Control(index == 0 ? ids::txt_Directory0 : ids::txt_Directory1); }
  void DropOn(HWND under, const std::vector<Text>& paths) { Drop(Conv().Handle(), under, paths); }

  // Drops while both fields are watched, and returns the colours they showed.
  std::vector<ColourPhase> DropWatched(HWND under, const std::vector<Text>& paths) {
    FlashRecorder recorder(Edit(0), Edit(1));
    EXPECT_TRUE(recorder.WaitUntilSteadyFor(FlashRecorder::kShortest));
    const auto start = std::chrono::steady_clock::now();
    DropOn(under, paths);
    handling_ = std::chrono::duration_cast<Milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_TRUE(recorder.WaitUntilSteadyFor(FlashRecorder::kShortest));
    return recorder.Stop();
  }

  // The last phase but one is field `index` lime for 400 ms; then both are plain, and stay so for
  // the 200 ms the handling still waits. Wine's clock and its waits disagree by a few per cent.
  void ExpectLimeFlashLast(int index, const std::vector<ColourPhase>& phases) {
    ASSERT_GE(phases.size(), 3u);
    const ColourPhase& lime = phases[phases.size() - 2];
    const COLORREF plain = phases.back().field1;
    EXPECT_EQ(index == 0 ? lime.field1 : lime.field2, kLime);
    EXPECT_EQ(index == 0 ? lime.field2 : lime.field1, plain);
    EXPECT_GE(lime.length.count(), 340);
    EXPECT_EQ(phases.back().field2, plain);
    EXPECT_GE(handling_.count(), 510);
    EXPECT_EQ(GetFocus(), Edit(index));
  }

  Milliseconds handling_{0};
  TempFolder a_{"a"};
  TempFolder b_{"b"};
};

TEST_F(DropsTest, AFileGivesItsFolderWhichFlashesLimeAndTakesTheFocus) {
  WriteBytes(a_ / "IMG_0001.JPG", "photo");
  Start();
  NoMessageBox noBox;
  FocusOn(Control(ids::lstASCII));
  const std::vector<ColourPhase> phases = DropWatched(Edit(0), {a_ / "IMG_0001.JPG"});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Conv().State().CurFolder, a_.Path());
  EXPECT_EQ(phases.size(), 3u);
  ExpectLimeFlashLast(0, phases);

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
  NoMessageBox noBox;
  std::vector<ColourPhase> phases = DropWatched(Edit(1), {a_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), "");
  // Folder 1 yellow, folder 2 yellow, then folder 2 lime.
  ASSERT_EQ(phases.size(), 5u);
  EXPECT_EQ(phases[1].field1, kYellow);
  EXPECT_EQ(phases[2].field2, kYellow);
  ExpectLimeFlashLast(1, phases);

  Conv().SetText(ids::txt_Directory1, b_.Path());
  phases = DropWatched(Edit(1), {a_.Path()});
  EXPECT_EQ(Folder1(), a_.Path());
  EXPECT_EQ(Folder2(), "");
  EXPECT_EQ(phases.size(), 1u);
}

TEST_F(DropsTest, OutsideTheFieldsOnlyWhileBothAreEmptyAndTheLastOfSeveralWins) {
  Start();
  NoMessageBox noBox;
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
  NoMessageBox noBox;
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
  NoMessageBox noBox;
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
