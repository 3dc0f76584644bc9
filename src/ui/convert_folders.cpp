// The two folder fields: typing, confirming, leaving, the chooser, paste and clear. Folder 2 is
// only ever filled behind folder 1, and never keeps the same text as folder 1; both rules rest on
// SetText running the change handlers at once, and running nothing for an unchanged text.
#include "text/FolderKey.h"
#include "text/Platform.h"
#include "ui/Clipboard.h"
#include "ui/Dialogs.h"
#include "ui/DiskQueries.h"
#include "ui/FolderChooser.h"
#include "ui/convert.h"

namespace tokiwake {

namespace {

constexpr char kNoSuchFolder[] = "そのフォルダーは存在しません！！";
constexpr uint16_t kShiftKey = 0x10;
constexpr uint16_t kMiddleButton = 0x04;
constexpr char kEnter = 13;

}  // namespace

void Tconv::ReportMissingFolder(int id) {
  SystemBeep();
  tokiwake::ShowMessage(Handle(), kNoSuchFolder);
  SetText(id, "");
}

void Tconv::MoveFolder2Up() {
  SetText(ids::txt_Directory0, GetText(ids::txt_Directory1));
  SetText(ids::txt_Directory1, "");
  FlashMovedFolder();
}

void Tconv::FlashMovedFolder() {
  const COLORREF remembered = controls_.Background(ids::txt_Directory0);
  controls_.SetBackground(ids::txt_Directory0, kYellow);
  controls_.RepaintNow(ids::txt_Directory0);
  Sleep(400);
  controls_.SetBackground(ids::txt_Directory0, remembered);
  controls_.SetBackground(ids::txt_Directory1, kYellow);
  controls_.RepaintNow(ids::txt_Directory0);
  controls_.RepaintNow(ids::txt_Directory1);
  Sleep(200);
  controls_.SetBackground(ids::txt_Directory0, remembered);
  controls_.SetBackground(ids::txt_Directory1, remembered);
  controls_.RepaintNow(ids::txt_Directory0);
  controls_.RepaintNow(ids::txt_Directory1);
}

void Tconv::txt_Directory0_Change() {
  CurFolder = GetText(ids::txt_Directory0);
  if (CurFolder == GetText(ids::txt_Directory1)) SetText(ids::txt_Directory1, "");
}

void Tconv::txt_Directory1_Change() {
  if (GetText(ids::txt_Directory0).empty()) {
    MoveFolder2Up();
    return;
  }
  if (CurFolder.empty()) CurFolder = GetText(ids::txt_Directory1);
}

void Tconv::txt_Directory0_Exit() {
  const Text folder = GetText(ids::txt_Directory0);
  if (folder.empty()) return;
  if (!FolderExists(folder)) {
    ReportMissingFolder(ids::txt_Directory0);
    return;
  }
  CurFolder = folder;
  if (GetText(ids::txt_Directory1) == folder) SetText(ids::txt_Directory1, "");
}

void Tconv::txt_Directory1_Exit() {
  const Text folder = GetText(ids::txt_Directory1);
  if (folder.empty()) return;
  if (!FolderExists(folder)) {
    ReportMissingFolder(ids::txt_Directory1);
    return;
  }
  const Text folder1 = GetText(ids::txt_Directory0);
  if (folder1.empty()) {
    MoveFolder2Up();
  } else if (folder1 != folder) {
    if (CurFolder.empty()) CurFolder = folder;
  } else {
    SetText(ids::txt_Directory1, "");
  }
}

void Tconv::txt_Directory0_KeyPress(char& key) {
  const Text folder = GetText(ids::txt_Directory0);
  if (key == kEnter && !folder.empty()) {
    key = 0;
    if (FolderExists(folder)) {
      CurFolder = folder;
    } else {
      ReportMissingFolder(ids::txt_Directory0);
    }
    return;
  }
  if (!IsFolderKeyAllowed(key)) key = 0;
}

void Tconv::txt_Directory1_KeyPress(char& key) {
  const Text folder = GetText(ids::txt_Directory1);
  if (key == kEnter && !folder.empty()) {
    key = 0;
    if (!FolderExists(folder)) {
      ReportMissingFolder(ids::txt_Directory1);
    } else if (GetText(ids::txt_Directory0).empty()) {
      MoveFolder2Up();
    } else if (CurFolder.empty()) {
      CurFolder = folder;
    }
    return;
  }
  if (!IsFolderKeyAllowed(key)) key = 0;
}

void Tconv::ChooseFolderInto() {
  PickedFolder = "";
  PickedFolder = ChooseFolder(Handle(), kChooserTitle);
}

void Tconv::cmd_Directory0Click() {
  ChooseFolderInto();
  if (PickedFolder.empty()) return;
  CurFolder = PickedFolder;
  SetText(ids::txt_Directory0, CurFolder);
}

void Tconv::cmd_Directory1Click() {
  ChooseFolderInto();
  if (PickedFolder.empty() || PickedFolder == GetText(ids::txt_Directory0)) return;
  CurFolder = PickedFolder;
  SetText(ids::txt_Directory1, PickedFolder);
}

void Tconv::txt_Directory0MouseDown() {
  if (!IsKeyDown(kMiddleButton)) return;
  if (auto text = ClipboardText()) SetText(ids::txt_Directory0, *text);
}

void Tconv::txt_Directory1MouseDown() {
  if (!IsKeyDown(kMiddleButton)) return;
  if (auto text = ClipboardText()) SetText(ids::txt_Directory1, *text);
  if (GetText(ids::txt_Directory1) == GetText(ids::txt_Directory0)) {
    SetText(ids::txt_Directory1, "");
  }
}

void Tconv::lbl_Directory0Click() {
  if (IsKeyDown(kShiftKey)) SetText(ids::txt_Directory0, "");
}

void Tconv::lbl_Directory1Click() {
  if (IsKeyDown(kShiftKey)) SetText(ids::txt_Directory1, "");
}

}  // namespace tokiwake
