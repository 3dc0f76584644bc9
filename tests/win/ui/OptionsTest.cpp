// The options in the real window: the shooting-date box and the companions' menu item change what
// a run names, and are kept in their file beside the program.
#include <windows.h>
#include <gtest/gtest.h>

#include <utility>

#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "media/CalendarTime.h"
#include "media/MediaFiles.h"
#include "ui/ClockCorrectionDialog.h"

namespace tokiwake::test {
namespace {

class OptionsTest : public MainWindowTest {
 protected:
  void RunOn(const Text& folder, const char* pattern = "yyyy.mm.dd-cnt2") {
    Conv().SetText(ids::txt_Directory0, folder);
    Conv().SetText(ids::txt_TimeReName, pattern);
    dialogs_.ExpectBox(ButtonCaption("はい"));
    ClickButton(Control(ids::cmd_START));
    dialogs_.Take();
    EXPECT_EQ(TakeLaunches(), std::vector<Launch>{NotepadOn(programFolder_ / "FolderList.csv")});
  }
  bool MenuChecked(int id) {
    HMENU file = GetSubMenu(GetMenu(Conv().Handle()), 0);
    SendMessageW(Conv().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    return (GetMenuState(file, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
};

TEST_F(OptionsTest, TheTickedBoxAndTheClockCorrectionNamePhotosAndAreKept) {
  TempFolder photos("photos");
  WriteBytes(photos / "DSC0001.JPG", Jpeg(Tiff(false, {}, {{0x9003, "2024:05:03 10:15:00"}})));
  SetLocalWriteTime(photos / "DSC0001.JPG", {2010, 5, 0, 23, 10, 20, 30, 0});
  Start();
  ClickButton(Control(ids::chkShotDate));
  dialogs_.ExpectDriven([](HWND dialog) {
    SetText(GetDlgItem(dialog, clock_ids::kHours), "14");
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  ChooseMenuItem(Conv().Handle(), ids::mnuClockCorrection);
  dialogs_.Take();
  EXPECT_TRUE(MenuChecked(ids::mnuClockCorrection));
  RunOn(photos.Path());
  EXPECT_EQ(ListFolder(photos.Path()), std::vector<Text>{"2024.05.04-01.JPG"});
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "オプション.dat"),
            "撮影日時を使う=1\r\n時刻の補正=50400\r\n関連ファイルも一緒に変更=0\r\n");
}

// What a camera and a phone leave, read from the real disk; movie times are given in the zone of
// their instant, converted to Tokyo's time here.
TEST_F(OptionsTest, CameraAndPhoneFilesAreNamedAfterTheirShootingDates) {
  TempFolder photos("photos");
  const auto exif = [](const char* when) { return Tiff(false, {}, {{0x9003, when}}); };
  const uint64_t since1904 = UnixSecondsFromUtc({2024, 5, 6, 1, 15, 0}) + 2082844800;
  const std::pair<const char*, Bytes> files[] = {
      {"DSC0001.JPG", Jpeg(exif("2024:05:03 10:15:00"))},
      {"IMG_0002.HEIC", Heif(exif("2024:05:04 11:00:01"), 1, 2)},
      {"IMG_0003.CR2", Tiff(false, {{0x0132, "2024:05:05 12:00:00"}})},
      {"IMG_0004.MOV", Mov(0, 0, "2024-05-03T03:15:00+02:00")},
      {"IMG_0005.MP4", Mov(0, since1904)},
      {"IMG_0006.PNG", Png(exif("2024:05:07 10:15:00"), false)},
      {"NODATE.JPG", "no date"}};
  for (const auto& [name, bytes] : files) {
    WriteBytes(photos / name, bytes);
    SetLocalWriteTime(photos / name, {2010, 5, 0, 23, 10, 20, 30, 0});
  }
  Start();
  ClickButton(Control(ids::chkShotDate));
  ClickButton(Control(ids::chkAll));
  RunOn(photos.Path(), "yyyy-mm-dd hh.mn.ss");
  EXPECT_EQ(ListFolder(photos.Path()),
            (std::vector<Text>{"2010-05-23 10.20.30.JPG", "2024-05-03 10.15.00.JPG",
                               "2024-05-03 10.15.00.MOV", "2024-05-04 11.00.01.HEIC",
                               "2024-05-05 12.00.00.CR2", "2024-05-06 10.15.00.MP4",
                               "2024-05-07 10.15.00.PNG"}));
}

TEST_F(OptionsTest, TheMenuItemRenamesARawFileWithItsPhoto) {
  TempFolder photos("photos");
  for (const char* name : {"IMG_0001.JPG", "IMG_0001.CR2", "IMG_0001.CR2.xmp"}) {
    WriteBytes(photos / name, name);
    SetLocalWriteTime(photos / name, {2010, 5, 0, 23, 10, 20, 30, 0});
  }
  Start();
  EXPECT_FALSE(MenuChecked(ids::mnuCompanions));
  ChooseMenuItem(Conv().Handle(), ids::mnuCompanions);
  EXPECT_TRUE(MenuChecked(ids::mnuCompanions));
  RunOn(photos.Path());
  EXPECT_EQ(ListFolder(photos.Path()),
            (std::vector<Text>{"2010.05.23-01.CR2", "2010.05.23-01.CR2.xmp", "2010.05.23-01.JPG"}));
}

}  // namespace
}  // namespace tokiwake::test
