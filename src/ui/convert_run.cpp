// The main window as the rename run and the folder walk see it.
#include "text/Platform.h"
#include "ui/AppTitle.h"
#include "ui/convert.h"
#include "ui/frmPreview.h"
#include "win32/CheckList.h"
#include "win32/Dialogs.h"
#include "win32/MessageLoop.h"

namespace tokiwake {

namespace {
constexpr char kConfirmCaption[] = "確認";
}

void Tconv::cmd_STARTClick() { run_.cmd_STARTClick(); }

void Tconv::cmdAboteClick() { run_.cmdAboteClick(); }

void Tconv::mnuPreviewClick() {
  TfrmPreview dialog(Handle());
  preview_ = &dialog;
  run_.ShowPreview(dialog);
  preview_ = nullptr;
}

void Tconv::mnuUndoClick() { run_.UndoLastRun(); }

// The ファイル menu: preview and undo are there only while no run is active, and undo only while
// there is a journal to take back.
void Tconv::OnMenuOpening(HMENU menu) {
  if (GetMenuState(menu, ids::mnuUndo, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
  const UINT idle = run_.Active() ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(menu, ids::mnuPreview, MF_BYCOMMAND | idle);
  EnableMenuItem(menu, ids::mnuUndo, MF_BYCOMMAND | (run_.CanUndo() ? MF_ENABLED : MF_GRAYED));
}

bool Tconv::IncludeOldName() const {
  return SendMessageW(Control(ids::chkMotoFile), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Tconv::SetStatusText(const Text& text) {
  if (controls_.SetText(ids::txt_Info, text)) runBinding_.statusShown = false;
}

// Every change of colour is followed by RepaintStatus, which shows it.
void Tconv::SetStatusColour(StatusColour colour) {
  const COLORREF wanted = colour == StatusColour::kBlue ? kBlue : kBlack;
  if (InfoColour() == wanted) return;
  controls_.SetTextColour(ids::txt_Info, wanted);
  runBinding_.statusShown = false;
}

void Tconv::RepaintStatus() {
  controls_.RepaintNow(ids::txt_Info);
  runBinding_.statusShown = true;
}

// The pattern calls this for every token of every attempt. Once the line is red and painted as it
// stands, another repaint would draw the same pixels, and under Wine each costs about as much as
// a rename.
void Tconv::OnTokenReplacing() {
  if (runBinding_.statusShown && InfoColour() == kRed) return;
  controls_.SetTextColour(ids::txt_Info, kRed);
  RepaintStatus();
}

void Tconv::PumpMessages() { PumpPendingMessages(Handle()); }

void Tconv::ShowMessage(const Text& text) { tokiwake::ShowMessage(Handle(), text, kAppTitle); }

// The walk reads the other folder field on every attempt and the extension list for every file;
// they are read again only after a message that may have changed them.
Text Tconv::FolderFieldText(int32_t index) const {
  const int id = index == 0 ? ids::txt_Directory0 : ids::txt_Directory1;
  if (runBinding_.folderFieldWatch[index].ChangedSinceLastAsked(Control(id))) {
    runBinding_.folderFieldTexts[index] = GetText(id);
  }
  return runBinding_.folderFieldTexts[index];
}

bool Tconv::AllFilesChecked() const {
  return SendMessageW(Control(ids::chkAll), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<TargetListItem> Tconv::TargetListItems() const {
  HWND list = Control(ids::lstASCII);
  if (runBinding_.targetListWatch.ChangedSinceLastAsked(list)) {
    runBinding_.targetListItems.clear();
    for (CheckItem& item : CheckItems(list)) {
      runBinding_.targetListItems.push_back({std::move(item.text), item.ticked});
    }
  }
  return runBinding_.targetListItems;
}

void Tconv::SoundBeep() { SystemBeep(); }

bool Tconv::ConfirmYesNo(const Text& question) {
  return AskYesNo(Handle(), question, kConfirmCaption);
}

// The run's command line begins with a blank, which leaves the program's own name empty. Windows'
// start-up code then takes all that follows as the arguments, but a Notepad that reads its command
// line itself (Wine's does) takes the first word for its own name and opens nothing. With the
// quoted program path in front every reader finds the same arguments.
void Tconv::LaunchProgram(const Text& programPath, const Text& commandLine) {
  StartProgram(programPath, "\"" + programPath + "\"" + commandLine);
}

void Tconv::CloseAfterRun() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

}  // namespace tokiwake
