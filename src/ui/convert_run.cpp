// The main window as the rename run and the folder walk see it.
#include <cstdint>
#include <optional>

#include "settings/ProgramFacts.h"
#include "text/Paths.h"
#include "ui/ClockCorrectionDialog.h"
#include "ui/convert.h"
#include "ui/convert_layout.h"
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

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

void Tconv::cmd_STARTClick() {
  RefreshRunInputs();
  run_.Start();
  CloseIfAskedDuringRun();
}

void Tconv::cmdAboteClick() { run_.Stop(); }

void Tconv::mnuPreviewClick() {
  RefreshRunInputs();
  TfrmPreview dialog(Handle());
  preview_ = &dialog;
  run_.ShowPreview(dialog);
  preview_ = nullptr;
  CloseIfAskedDuringRun();
}

void Tconv::mnuUndoClick() {
  run_.Undo();
  CloseIfAskedDuringRun();
}

// A run in hand takes them from its next file on, as it takes an edit of any other input.
void Tconv::OptionsChanged() {
  runBinding_.inputs.clockCorrection = options_.clockCorrection;
  runBinding_.inputs.companions = options_.companions;
}

void Tconv::mnuClockCorrectionClick() {
  const std::optional<int64_t> chosen =
      AskClockCorrection(Handle(), options_.clockCorrection, kMainLook.fontFace);
  if (!chosen) return;
  options_.clockCorrection = *chosen;
  OptionsChanged();
}

void Tconv::mnuCompanionsClick() {
  options_.companions = !options_.companions;
  OptionsChanged();
}

void Tconv::CloseIfAskedDuringRun() {
  if (run_.TakeCloseRequest()) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

// The ファイル menu: preview and undo are there only while no run is active, and undo only while
// there is a run to take back.
void Tconv::OnMenuOpening(HMENU menu) {
  if (GetMenuState(menu, ids::mnuUndo, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
  const UINT idle = run_.Active() ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(menu, ids::mnuPreview, MF_BYCOMMAND | idle);
  EnableMenuItem(menu, ids::mnuUndo, MF_BYCOMMAND | (run_.CanUndo() ? MF_ENABLED : MF_GRAYED));
  const auto check = [menu](int id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  };
  check(ids::mnuClockCorrection, options_.clockCorrection != 0);
  check(ids::mnuCompanions, options_.companions);
}

// The walk reads the other folder field on every attempt, the extension list and the boxes for
// every file; each is read again only after a message that may have changed it.
void Tconv::RefreshRunInputs() {
  RunInputs& inputs = runBinding_.inputs;
  for (int index = 0; index < 2; ++index) {
    const int id = index == 0 ? ids::txt_Directory0 : ids::txt_Directory1;
    if (runBinding_.folderFieldWatch[index].ChangedSinceLastAsked(Control(id))) {
      inputs.folderFields[index] = GetText(id);
    }
  }
  HWND list = Control(ids::lstASCII);
  if (runBinding_.targetListWatch.ChangedSinceLastAsked(list)) {
    inputs.targetList.clear();
    for (CheckItem& item : CheckItems(list)) {
      inputs.targetList.push_back({std::move(item.text), item.ticked});
    }
  }
  if (runBinding_.allFilesWatch.ChangedSinceLastAsked(Control(ids::chkAll))) {
    inputs.allFiles = Checked(Control(ids::chkAll));
  }
  if (runBinding_.includeOldNameWatch.ChangedSinceLastAsked(Control(ids::chkMotoFile))) {
    inputs.includeOldName = Checked(Control(ids::chkMotoFile));
  }
  if (runBinding_.shotDateWatch.ChangedSinceLastAsked(Control(ids::chkShotDate))) {
    inputs.useShotDate = Checked(Control(ids::chkShotDate));
  }
}

// The walk sets the line for every file and turns it red for every name it builds; the window
// keeps what it is given and shows it at the pace of the display (FramePace). Every change is a
// chance to show it, so a file that takes long is shown while it is in hand.
void Tconv::SetStatusText(const Text& text) {
  if (text == runBinding_.statusText) return;
  runBinding_.statusText = text;
  runBinding_.statusPending = true;
  PaintStatusIfDue();
}

void Tconv::SetStatusColour(StatusColour colour) {
  switch (colour) {
    case StatusColour::kRed:
      return KeepStatusColour(kRed);
    case StatusColour::kBlue:
      return KeepStatusColour(kBlue);
    case StatusColour::kBlack:
      return KeepStatusColour(kBlack);
  }
}

void Tconv::KeepStatusColour(COLORREF colour) {
  if (colour == runBinding_.statusColour) return;
  runBinding_.statusColour = colour;
  runBinding_.statusPending = true;
  PaintStatusIfDue();
}

void Tconv::PaintStatusNow() {
  controls_.SetText(ids::txt_Info, runBinding_.statusText);
  controls_.SetTextColour(ids::txt_Info, runBinding_.statusColour);
  controls_.RepaintNow(ids::txt_Info);
  runBinding_.statusPending = false;
  runBinding_.pace.Painted(SteadyMicroseconds());
}

// Once the run is being stopped the line shows the last file handled at once.
void Tconv::PaintStatusIfDue() {
  if (!runBinding_.statusPending) return;
  if (state_.AbortRequested || runBinding_.pace.PaintDue(SteadyMicroseconds())) PaintStatusNow();
}

void Tconv::HandlePendingMessages() {
  const int64_t now = SteadyMicroseconds();
  if (!runBinding_.pace.PumpDue(now)) return;
  PumpPendingMessages(Handle());
  runBinding_.pace.Pumped(SteadyMicroseconds());
  RefreshRunInputs();
}

// A box handles messages while it is up, so the inputs may have changed when it is gone.
void Tconv::ShowMessage(const Text& text) {
  if (runBinding_.statusPending) PaintStatusNow();
  tokiwake::ShowMessage(Handle(), text, kAppTitle);
  RefreshRunInputs();
}

bool Tconv::AskYesNo(const Text& question) {
  const bool yes = tokiwake::AskYesNo(Handle(), question, kConfirmCaption);
  RefreshRunInputs();
  return yes;
}

void Tconv::Beep() { SystemBeep(); }

bool Tconv::ChooseFolder1() {
  cmd_Directory0Click();
  RefreshRunInputs();
  return !state_.PickedFolder.empty();
}

// The document's command line begins with a blank, which leaves the program's own name empty.
// Windows' start-up code then takes all that follows as the arguments, but a Notepad that reads its
// command line itself (Wine's does) takes the first word for its own name and opens nothing. With
// the quoted program path in front every reader finds the same arguments.
void Tconv::OpenDocument(const Text& programPath, const Text& document) {
  startup_.launch(programPath, "\"" + programPath + "\"" + DocumentArguments(document));
}

}  // namespace tokiwake
