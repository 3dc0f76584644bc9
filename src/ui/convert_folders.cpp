// The two folder fields: typing, confirming, leaving, the chooser, paste and clear. Folder 2 is
// only ever filled behind folder 1, and never keeps the same text as folder 1; both rules rest on
// SetText running the change handlers at once, and running nothing for an unchanged text.
#include <optional>

#include "platform/Keyboard.h"
#include "ui/convert.h"
#include "ui/rules/FolderKey.h"
#include "win32/Clipboard.h"
#include "win32/FolderChooser.h"

namespace tokiwake {

namespace {

constexpr char kNoSuchFolder[] = "そのフォルダーは存在しません！！";
constexpr char kChooserTitle[] = "フォルダを選択してください";
constexpr uint16_t kShiftKey = 0x10;
constexpr uint16_t kMiddleButton = 0x04;
constexpr char kEnter = 13;

}  // namespace

std::optional<Text> Tconv::ExistingFolderIn(int id) {
  Text folder = GetText(id);
  if (folder.empty()) return std::nullopt;
  if (disk_.FolderExists(folder)) return folder;
  Beep();
  ShowMessage(kNoSuchFolder);
  SetText(id, "");
  return std::nullopt;
}

void Tconv::MoveFolder2Up() {
  SetText(ids::txt_Directory0, GetText(ids::txt_Directory1));
  SetText(ids::txt_Directory1, "");
  FlashMovedFolder();
}

void Tconv::ShowBackgrounds(std::initializer_list<std::pair<int, COLORREF>> fields) {
  for (const auto& [id, colour] : fields) controls_.SetBackground(id, colour);
  for (const auto& [id, colour] : fields) controls_.RepaintNow(id);
}

void Tconv::FlashMovedFolder() {
  const COLORREF remembered = controls_.Background(ids::txt_Directory0);
  ShowBackgrounds({{ids::txt_Directory0, kYellow}});
  Sleep(kFlashFirstMs);
  ShowBackgrounds({{ids::txt_Directory0, remembered}, {ids::txt_Directory1, kYellow}});
  Sleep(kFlashSecondMs);
  ShowBackgrounds({{ids::txt_Directory0, remembered}, {ids::txt_Directory1, remembered}});
}

void Tconv::txt_Directory0_Change() {
  state_.CurFolder = GetText(ids::txt_Directory0);
  if (state_.CurFolder == GetText(ids::txt_Directory1)) SetText(ids::txt_Directory1, "");
}

void Tconv::txt_Directory1_Change() {
  if (GetText(ids::txt_Directory0).empty()) {
    MoveFolder2Up();
    return;
  }
  if (state_.CurFolder.empty()) state_.CurFolder = GetText(ids::txt_Directory1);
}

void Tconv::txt_Directory0_Exit() {
  const std::optional<Text> folder = ExistingFolderIn(ids::txt_Directory0);
  if (!folder) return;
  state_.CurFolder = *folder;
  if (GetText(ids::txt_Directory1) == *folder) SetText(ids::txt_Directory1, "");
}

void Tconv::txt_Directory1_Exit() {
  const std::optional<Text> folder = ExistingFolderIn(ids::txt_Directory1);
  if (!folder) return;
  const Text folder1 = GetText(ids::txt_Directory0);
  if (folder1.empty()) {
    MoveFolder2Up();
  } else if (folder1 != *folder) {
    if (state_.CurFolder.empty()) state_.CurFolder = *folder;
  } else {
    SetText(ids::txt_Directory1, "");
  }
}

void Tconv::txt_Directory0_KeyPress(char& key) {
  if (key == kEnter && !GetText(ids::txt_Directory0).empty()) {
    key = 0;
    if (const std::optional<Text> folder = ExistingFolderIn(ids::txt_Directory0)) {
      state_.CurFolder = *folder;
    }
    return;
  }
  if (!IsFolderKeyAllowed(key)) key = 0;
}

void Tconv::txt_Directory1_KeyPress(char& key) {
  if (key == kEnter && !GetText(ids::txt_Directory1).empty()) {
    key = 0;
    const std::optional<Text> folder = ExistingFolderIn(ids::txt_Directory1);
    if (!folder) return;
    if (GetText(ids::txt_Directory0).empty()) {
      MoveFolder2Up();
    } else if (state_.CurFolder.empty()) {
      state_.CurFolder = *folder;
    }
    return;
  }
  if (!IsFolderKeyAllowed(key)) key = 0;
}

void Tconv::ChooseFolderInto() {
  state_.PickedFolder = "";
  state_.PickedFolder = ChooseFolder(Handle(), kChooserTitle);
}

void Tconv::cmd_Directory0Click() {
  ChooseFolderInto();
  if (state_.PickedFolder.empty()) return;
  state_.CurFolder = state_.PickedFolder;
  SetText(ids::txt_Directory0, state_.CurFolder);
}

void Tconv::cmd_Directory1Click() {
  ChooseFolderInto();
  if (state_.PickedFolder.empty() || state_.PickedFolder == GetText(ids::txt_Directory0)) return;
  state_.CurFolder = state_.PickedFolder;
  SetText(ids::txt_Directory1, state_.PickedFolder);
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
