// The main window as the rename run and the folder walk see it.
#include <cstdint>

#include "platform/Process.h"
#include "settings/ProgramFacts.h"
#include "ui/convert.h"
#include "ui/frmPreview.h"
#include "win32/CheckList.h"
#include "win32/Dialogs.h"
#include "win32/MessageLoop.h"

namespace tokiwake {

namespace {

constexpr char kConfirmCaption[] = "確認";

int64_t SteadyMicroseconds() {
  static const int64_t frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return counter.QuadPart / frequency * 1'000'000 +
         counter.QuadPart % frequency * 1'000'000 / frequency;
}

}  // namespace

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
  return runBinding_.includeOldName.Read(Control(ids::chkMotoFile));
}

// The walk sets the line for every file and the pattern turns it red for every name it builds;
// the window keeps what it is given and shows it at the pace of the display (FramePace). Every
// change is a chance to show it, so a file that takes long is shown while it is in hand.
void Tconv::SetStatusText(const Text& text) {
  if (text == runBinding_.statusText) return;
  runBinding_.statusText = text;
  runBinding_.statusPending = true;
  RepaintStatusIfDue();
}

void Tconv::SetStatusColour(StatusColour colour) {
  KeepStatusColour(colour == StatusColour::kBlue ? kBlue : kBlack);
}

void Tconv::OnTokenReplacing() { KeepStatusColour(kRed); }

void Tconv::KeepStatusColour(COLORREF colour) {
  if (colour == runBinding_.statusColour) return;
  runBinding_.statusColour = colour;
  runBinding_.statusPending = true;
  RepaintStatusIfDue();
}

void Tconv::RepaintStatus() {
  controls_.SetText(ids::txt_Info, runBinding_.statusText);
  controls_.SetTextColour(ids::txt_Info, runBinding_.statusColour);
  controls_.RepaintNow(ids::txt_Info);
  runBinding_.statusPending = false;
  runBinding_.pace.Painted(SteadyMicroseconds());
}

// Once the run is being stopped the line shows the last file handled at once.
void Tconv::RepaintStatusIfDue() {
  if (!runBinding_.statusPending) return;
  if (state_.AbortRequested || runBinding_.pace.PaintDue(SteadyMicroseconds())) RepaintStatus();
}

void Tconv::PumpMessages() {
  const int64_t now = SteadyMicroseconds();
  if (!runBinding_.pace.PumpDue(now)) return;
  PumpPendingMessages(Handle());
  runBinding_.pace.Pumped(SteadyMicroseconds());
}

void Tconv::ShowMessage(const Text& text) {
  if (runBinding_.statusPending) RepaintStatus();
  tokiwake::ShowMessage(Handle(), text, kAppTitle);
}

// The walk reads the other folder field on every attempt, the extension list and chkAll for every
// file and chkMotoFile for every name; they are read again only after a message that may have
// changed them.
Text Tconv::FolderFieldText(int32_t index) const {
  const int id = index == 0 ? ids::txt_Directory0 : ids::txt_Directory1;
  if (runBinding_.folderFieldWatch[index].ChangedSinceLastAsked(Control(id))) {
    runBinding_.folderFieldTexts[index] = GetText(id);
  }
  return runBinding_.folderFieldTexts[index];
}

bool Tconv::AllFilesChecked() const { return runBinding_.allFiles.Read(Control(ids::chkAll)); }

const std::vector<TargetListItem>& Tconv::TargetListItems() const {
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
LocalTime Tconv::LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Tconv::LaunchProgram(const Text& programPath, const Text& commandLine) {
  startup_.launch(programPath, "\"" + programPath + "\"" + commandLine);
}

void Tconv::CloseAfterRun() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

}  // namespace tokiwake
