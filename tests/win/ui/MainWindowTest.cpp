#include <windows.h>
#include <gtest/gtest.h>
#include <imm.h>

#include <algorithm>
#include <bit>

#include "MainWindowFixture.h"
#include "harness/Harness.h"
#include "platform/Cp932.h"
#include "settings/Settings.h"
#include "ui/convert.h"
#include "ui/convert_layout.h"
#include "win32/CheckList.h"
#include "win32/Placement.h"

namespace tokiwake::test {
namespace {

RECT RectIn(HWND parent, HWND child) {
  RECT rc{};
  GetWindowRect(child, &rc);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// The height of a letter cell in the control's font, leading included.
int CellHeight(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return metrics.tmHeight;
}

Text MenuText(HMENU menu, UINT item, UINT flags) {
  wchar_t buffer[128] = {};
  GetMenuStringW(menu, item, buffer, 128, flags);
  return Narrow(buffer);
}

TEST_F(MainWindowTest, EveryControlStandsWhereTheLayoutPutsIt) {
  Start();
  HWND main = Conv().Handle();
  EXPECT_EQ(GetText(main), "デジカメファイルをKurobune Ver.1.17");
  RECT outer{};
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.right - outer.left, 480);
  EXPECT_EQ(outer.bottom - outer.top, 297);
  EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(GetWindowLongW(main, GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_NE(GetWindowLongW(main, GWL_STYLE) & WS_THICKFRAME, 0);

  // Rows of the layout written out here, not read from the table the window was built from.
  struct Row {
    int id;
    int group;  // 0: on the client area
    int left, top, width, height;
    const char* caption;
  };
  const Row rows[] = {
      {ids::lbl_Directory0, 0, 8, 8, 73, 20, " フォルダー1"},
      {ids::txt_Directory1, 0, 80, 32, 249, 20, ""},
      {ids::txt_Info, 0, 8, 64, 345, 20, ""},
      {ids::cmd_START, 0, 360, 8, 97, 41, "ファイル名変更"},
      {ids::cmdAbote, 0, 360, 64, 49, 25, "中断"},
      {ids::grpASCII, 0, 8, 96, 193, 137, "検索対象ファイル"},
      {ids::chkAll, ids::grpASCII, 8, 16, 97, 16, "全てのファイル"},
      {ids::lstASCII, ids::grpASCII, 8, 32, 129, 97, ""},
      {ids::cmd_DEL, ids::grpASCII, 144, 64, 41, 25, "削除"},
      {ids::chkMotoFile, ids::GroupBox1, 16, 24, 169, 17, "元のファイル名を含む"},
      {ids::Label1, ids::GroupBox1, 37, 41, 145, 17, "yyddmm《元のファイル名》"},
      {ids::chkShotDate, ids::GroupBox1, 112, 70, 121, 17, "撮影日時を使う"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(ForLog(row.caption) + " " + std::to_string(row.id));
    HWND control = Control(row.id);
    ASSERT_NE(control, nullptr);
    RECT rc = RectIn(main, control);
    if (row.group != 0) {
      const RECT group = RectIn(main, Control(row.group));
      OffsetRect(&rc, -group.left, -group.top);
    }
    EXPECT_EQ(rc.left, row.left);
    EXPECT_EQ(rc.top, row.top);
    EXPECT_EQ(rc.right - rc.left, row.width);
    EXPECT_EQ(rc.bottom - rc.top, row.height);
    EXPECT_EQ(GetText(control), row.caption);
  }
  // A label without a width is as wide as its caption.
  const RECT group = RectIn(main, Control(ids::GroupBox1));
  const RECT label = RectIn(main, Control(ids::Label2));
  EXPECT_EQ(label.left - group.left, 16);
  EXPECT_EQ(label.top - group.top, 72);
  EXPECT_GT(label.right - label.left, 0);
  EXPECT_EQ(GetText(Control(ids::Label2)), "フォーマット");
  RECT combo = RectIn(main, Control(ids::txt_TimeReName));
  EXPECT_EQ(combo.left - group.left, 16);
  EXPECT_EQ(combo.top - group.top, 87);
  EXPECT_EQ(combo.right - combo.left, 217);
  EXPECT_EQ(combo.bottom - combo.top, 20);

  // Creation order is the tab order.
  const int tabOrder[] = {ids::lbl_Directory0, ids::txt_Directory0, ids::cmd_Directory0,
                          ids::lbl_Directory1, ids::txt_Directory1, ids::cmd_Directory1,
                          ids::txt_Info,       ids::cmd_START,      ids::cmdAbote,
                          ids::cmd_Close,      ids::grpASCII,       ids::chkAll,
                          ids::lstASCII,       ids::cmd_ADD,        ids::cmd_DEL,
                          ids::GroupBox1,      ids::chkMotoFile,    ids::Label1,
                          ids::Label2,         ids::chkShotDate,    ids::txt_TimeReName};
  HWND child = GetWindow(main, GW_CHILD);
  for (int id : tabOrder) {
    ASSERT_NE(child, nullptr) << "no control after " << id;
    EXPECT_EQ(GetDlgCtrlID(child), id);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr);
  EXPECT_EQ(GetText(Control(ids::lbl_Directory0)), " フォルダー1");
  EXPECT_EQ(Conv().Controls().TextColour(ids::cmd_START), RGB(0, 0, 255));
  EXPECT_EQ(Conv().Controls().TextColour(ids::cmdAbote), RGB(128, 0, 0));
  EXPECT_EQ(Conv().Controls().TextColour(ids::chkMotoFile), RGB(0, 0, 255));
  EXPECT_EQ(SendMessageW(Control(ids::chkAll), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(Control(ids::chkMotoFile), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(MainWindowTest, ListPresetsMenusAndFontsAreThere) {
  Start();
  const std::vector<CheckItem> items = CheckItems(Control(ids::lstASCII));
  ASSERT_EQ(items.size(), 4u);
  const char* masks[] = {"*.jpg", "*.jpeg", "*.gif", "*.bmp"};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(items[i].text, masks[i]);
    EXPECT_TRUE(items[i].ticked);
  }

  HWND combo = Control(ids::txt_TimeReName);
  const char* presets[] = {"yyyy.mm.dd-cnt2",
                           "yyyy-mm-dd cnt2",
                           "yyyy-mm-dd hh.mn.ss",
                           "'yy-mm-dd hh.mn.ss",
                           "yyyy年mm月dd日 hh時mn分ss秒",
                           "'yy年mm月dd日 hh時mn分ss秒",
                           "yyyy.mm.dd hh.mn.ss",
                           "yyyy.mm.dd-hh.mn.ss-cnt2"};
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 8);
  // No input method where only ASCII is taken.
  for (HWND field : {FindWindowExW(combo, nullptr, L"Edit", nullptr), Control(ids::txt_Directory0),
                     Control(ids::txt_Directory1)}) {
    EXPECT_EQ(ImmGetContext(field), nullptr);
  }
  for (int i = 0; i < 8; ++i) {
    wchar_t buffer[64] = {};
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
    EXPECT_EQ(Narrow(buffer), presets[i]);
  }

  HMENU bar = GetMenu(Conv().Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0, MF_BYPOSITION), "ファイル(&F)");
  EXPECT_EQ(MenuText(bar, 1, MF_BYPOSITION), "ﾍﾙﾌﾟ(&H)");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 6);
  EXPECT_EQ(MenuText(file, 0, MF_BYPOSITION), "プレビュー(&P)...");
  EXPECT_EQ(MenuText(file, 1, MF_BYPOSITION), "元に戻す(&U)");
  EXPECT_EQ(MenuText(file, 2, MF_BYPOSITION), "時刻の補正(&T)...");
  EXPECT_EQ(MenuText(file, 3, MF_BYPOSITION), "関連ファイルも一緒に変更(&C)");
  EXPECT_EQ(GetMenuState(file, 4, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(file, 5, MF_BYPOSITION), "終了(&X)");
  EXPECT_EQ(MenuText(bar, ids::mnuUSE, MF_BYCOMMAND), "使い方(&T)");
  EXPECT_EQ(MenuText(bar, ids::mnuVER, MF_BYCOMMAND), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
  EXPECT_EQ(MenuText(bar, ids::mnuReadMe, MF_BYCOMMAND), "ReadMeの表示(&R)");

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(ids::txt_Info), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(Narrow(font.lfFaceName), "ＭＳ Ｐゴシック");
  EXPECT_EQ(font.lfHeight, -11);  // 8 pt
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(ids::cmd_START), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -12);  // 9 pt
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
}

// The layout's rows are 12 pixels; a font whose cell is taller gets rows as tall as its cell.
TEST_F(MainWindowTest, ListRowsHoldWholeLettersAndTheDropDownShowsEveryPreset) {
  Start();
  const int row = std::max(12, CellHeight(Control(ids::lstASCII)));
  EXPECT_EQ(SendMessageW(Control(ids::lstASCII), LB_GETITEMHEIGHT, 0, 0), row);

  HWND combo = Control(ids::txt_TimeReName);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  ASSERT_TRUE(IsWindowVisible(info.hwndList));
  const auto listRow = static_cast<int>(SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_GE(listRow, CellHeight(combo));
  RECT client{};
  GetClientRect(info.hwndList, &client);
  EXPECT_GE(client.bottom / listRow, 8) << "rows shown: " << client.bottom << " / " << listRow;
  EXPECT_EQ(GetWindowLongW(info.hwndList, GWL_STYLE) & WS_VSCROLL, 0);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(MainWindowTest, FixedValuesAreSetAtCreation) {
  Start();
  EXPECT_EQ(std::bit_cast<uint32_t>(Conv().VersionNumberValue()), 0x3F80002Au);
  EXPECT_EQ(RightChars(1, Conv().State().WinFolder), "\\");
  EXPECT_EQ(Conv().State().ExeFolder, programFolder_.Path() + "\\");
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT outer{};
  GetWindowRect(Conv().Handle(), &outer);
  const WindowPlace place =
      PlaceOnWorkArea({work.left, work.top, work.right, work.bottom}, 480, 297);
  EXPECT_EQ(outer.left, place.left);
  EXPECT_EQ(outer.top, place.top);
}

TEST_F(MainWindowTest, WithoutSettingsFilesTheDefaultsAreUsedAndSavedAtClose) {
  Start();
  EXPECT_EQ(GetText(Control(ids::txt_TimeReName)), "yyyy.mm.dd-cnt2");
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy.mm.dd-cnt2");
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "リネームフォーマット.dat"), "yyyy.mm.dd-cnt2");
  EXPECT_EQ(ReadBytes(programFolder_ / "dCamFlist.dat"), "*.jpg\r\n*.jpeg\r\n*.gif\r\n*.bmp\r\n");
}

TEST_F(MainWindowTest, SavedMasksComeBackTickedAndOnlyThePatternsFirstLineCounts) {
  WriteBytes(programFolder_ / "dCamFlist.dat", "*.png\r\n\r\n*.tif\r\n*.raw");
  WriteBytes(programFolder_ / "リネームフォーマット.dat", "yyyy-mm-dd cnt2\r\nsecond line");
  Start();
  const std::vector<CheckItem> items = CheckItems(Control(ids::lstASCII));
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "*.png");
  EXPECT_EQ(items[1].text, "");
  EXPECT_EQ(items[2].text, "*.tif");
  for (const CheckItem& item : items) EXPECT_TRUE(item.ticked);
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy-mm-dd cnt2");
  SetTicked(Control(ids::lstASCII), 0, false);
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "リネームフォーマット.dat"), "yyyy-mm-dd cnt2");
  EXPECT_EQ(ReadBytes(programFolder_ / "dCamFlist.dat"), "*.png\r\n\r\n*.tif\r\n");
}

// Defaults stand in for a file that could not be read; written over it they would lose the masks
// the user kept there.
TEST_F(MainWindowTest, SettingsFilesThatCouldNotBeReadAreKeptAndLeftoversOfAWriteGo) {
  const Text masks = programFolder_ / "dCamFlist.dat";
  const Text format = programFolder_ / "リネームフォーマット.dat";
  const Text oversized(kMaxSettingsFileSize + 1, 'y');
  WriteBytes(masks, "*.nef\r\n*.cr2\r\n");
  WriteBytes(format, oversized);
  WriteBytes(masks + ".tmp", "*.jpg\r\n");
  WriteBytes(format + ".tmp", "yyyy");
  {
    LockedFile lock(masks);
    dialogs_.ExpectBox(ButtonId(IDOK));  // either button only closes the box
    dialogs_.ExpectBox(ButtonId(IDCANCEL));
    Start();
    const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
    EXPECT_EQ(boxes.size(), 2u);
    for (const SeenBox& box : boxes) {
      EXPECT_EQ(box.caption, "File Error");
      EXPECT_EQ(box.text,
                "Can't perform one of the following file operations: Open, Seek, Read, Close.");
      EXPECT_EQ(box.buttons.size(), 2u);
    }
  }
  EXPECT_FALSE(PathExists(masks + ".tmp"));
  EXPECT_FALSE(PathExists(format + ".tmp"));
  EXPECT_EQ(CheckItemCount(Control(ids::lstASCII)), 0);
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy.mm.dd-cnt2");
  Close();
  EXPECT_EQ(ReadBytes(masks), "*.nef\r\n*.cr2\r\n");
  EXPECT_EQ(ReadBytes(format), oversized);
}

TEST_F(MainWindowTest, APatternWithABadCharacterIsReportedOnceAndReplaced) {
  WriteBytes(programFolder_ / "リネームフォーマット.dat", "yyyy/mm/dd\r\nmore");
  dialogs_.ExpectBox(ButtonId(IDOK));
  Start();
  const std::vector<SeenBox> boxes = dialogs_.Take().boxes;
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Tokiwake");
  EXPECT_EQ(boxes[0].text,
            "「リネームフォーマット.dat」に含まれる文字列に、\nファイル名に使用できない文字\n"
            "\\/:*?\"<>|　が\n在ります\n\nこのアプリの指定形式「yyyy.mm.dd-cnt2」で表示します。");
  EXPECT_EQ(GetText(Control(ids::txt_TimeReName)), "yyyy.mm.dd-cnt2");
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy.mm.dd-cnt2");
}

TEST_F(MainWindowTest, DoubleByteCharactersInThePatternAreNoBadCharacters) {
  WriteBytes(programFolder_ / "リネームフォーマット.dat", "yyyy年mm月dd日ソ表");
  Start();
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy年mm月dd日ソ表");
}

TEST_F(MainWindowTest, AnExistingFolderOnTheCommandLineBecomesFolder1) {
  TempFolder photos("写真 と ソ表");
  Start({photos.Path(), "ignored"});
  EXPECT_EQ(Folder1(), photos.Path());
  EXPECT_EQ(Conv().State().CurFolder, photos.Path());
  EXPECT_EQ(Conv().State().PickedFolder, photos.Path());
}

TEST_F(MainWindowTest, AnArgumentThatIsNoFolderIsIgnoredSilently) {
  WriteBytes(programFolder_ / "a.jpg", "x");
  for (const Text& argument : {programFolder_ / "a.jpg", programFolder_ / "missing", Text{}}) {
    Start({argument});
    EXPECT_EQ(Folder1(), "");
    Close();
  }
}

TEST_F(MainWindowTest, ShiftControlDoubleClickMakesTheWindowTaller) {
  Start();
  auto height = [&] {
    RECT rc{};
    GetWindowRect(Conv().Handle(), &rc);
    return rc.bottom - rc.top;
  };
  const LPARAM point = MAKELPARAM(300, 250);
  {
    HeldKey shift(VK_SHIFT);
    SendMessageW(Conv().Handle(), WM_LBUTTONDBLCLK, MK_SHIFT, point);
  }
  EXPECT_EQ(height(), 297);
  {
    HeldKey shift(VK_SHIFT);
    HeldKey control(VK_CONTROL);
    SendMessageW(Conv().Handle(), WM_LBUTTONDBLCLK, MK_SHIFT | MK_CONTROL, point);
  }
  EXPECT_EQ(height(), 452);
}

// Moved to a monitor of 144 dpi and back: the window takes the place the system suggests, and
// every control and font is placed by the layout anew, at 96 dpi exactly where it was.
TEST_F(MainWindowTest, AnotherMonitorsDpiPlacesEveryControlAndFontAnew) {
  Start();
  HWND main = Conv().Handle();
  RECT before{};
  GetWindowRect(main, &before);
  for (const auto& [dpi, place] : {std::pair{144, RECT{100, 50, 820, 496}}, {96, before}}) {
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
    RECT now{};
    GetWindowRect(main, &now);
    EXPECT_TRUE(EqualRect(&now, &place)) << dpi;
    for (const ControlRow& row : MainLayout()) {
      if (row.width == 0) continue;  // as large as its caption
      const ControlBox box = PlaceAtDpi(MainLayout(), row, dpi);
      const RECT want{box.left, box.top, box.right, box.bottom};
      now = RectIn(main, Control(row.id));
      EXPECT_TRUE(EqualRect(&now, &want)) << row.name << " at " << dpi;
      LOGFONTW font{};
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(row.id), WM_GETFONT, 0, 0)),
                 sizeof font, &font);
      EXPECT_EQ(font.lfHeight, -FontPixels(row.fontPoints, dpi)) << row.name << " at " << dpi;
    }
  }
}

TEST_F(MainWindowTest, ThePatternFollowsTypingAndPresetChoice) {
  Start();
  HWND combo = Control(ids::txt_TimeReName);
  SendMessageW(combo, CB_SETCURSEL, 2, 0);
  SendMessageW(Conv().Handle(), WM_COMMAND, MAKEWPARAM(ids::txt_TimeReName, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(Conv().State().RenameFormat, "yyyy-mm-dd hh.mn.ss");

  HWND field = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_NE(field, nullptr);
  SetText(field, "");
  TypeChars(field, "YYYYcnt3");
  EXPECT_EQ(Conv().State().RenameFormat, "YYYYcnt3");
  Close();
  EXPECT_EQ(ReadBytes(programFolder_ / "リネームフォーマット.dat"), "YYYYcnt3");
}

TEST_F(MainWindowTest, SettingATextRunsTheChangeHandlerOnlyWhenItChanges) {
  Start();
  TempFolder photos;
  Conv().SetText(ids::txt_Directory0, photos.Path());
  // The change handler has run before SetText returned.
  EXPECT_EQ(Conv().State().CurFolder, photos.Path());
  Conv().SetText(ids::txt_Directory0, photos.Path());
  EXPECT_EQ(Conv().State().CurFolder, photos.Path());
}

TEST_F(MainWindowTest, TheCloseButtonAndTheExitItemBothSaveAndClose) {
  Start();
  ClickButton(Control(ids::cmd_Close));
  EXPECT_TRUE(closed_);
  EXPECT_TRUE(PathExists(programFolder_ / "dCamFlist.dat"));
  closed_ = false;
  RemoveAll(programFolder_ / "dCamFlist.dat");
  Start();
  ChooseMenuItem(Conv().Handle(), ids::mnuExit);
  EXPECT_TRUE(closed_);
  EXPECT_TRUE(PathExists(programFolder_ / "dCamFlist.dat"));
}

}  // namespace
}  // namespace tokiwake::test
