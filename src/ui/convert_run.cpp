// The main window as the rename run and the folder walk see it.
#include "text/Platform.h"
#include "ui/CheckList.h"
#include "ui/Dialogs.h"
#include "ui/MessageLoop.h"
#include "ui/convert.h"

namespace tokiwake {

namespace {
constexpr char kConfirmCaption[] = "確認";
}

void Tconv::cmd_STARTClick() { run_.cmd_STARTClick(); }

void Tconv::cmdAboteClick() { run_.cmdAboteClick(); }

void Tconv::SetStatusText(const Text& text) { controls_.SetText(ids::txt_Info, text); }

void Tconv::SetStatusColour(StatusColour colour) {
  controls_.SetTextColour(ids::txt_Info, colour == StatusColour::kBlue ? kBlue : kBlack);
  InvalidateRect(Control(ids::txt_Info), nullptr, TRUE);
}

void Tconv::RepaintStatus() { controls_.RepaintNow(ids::txt_Info); }

void Tconv::PumpMessages() { PumpPendingMessages(Handle()); }

void Tconv::ShowMessage(const Text& text) { tokiwake::ShowMessage(Handle(), text); }

Text Tconv::FolderFieldText(int32_t index) const {
  return GetText(index == 0 ? ids::txt_Directory0 : ids::txt_Directory1);
}

bool Tconv::AllFilesChecked() const {
  return SendMessageW(Control(ids::chkAll), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<TargetListItem> Tconv::TargetListItems() const {
  std::vector<TargetListItem> items;
  for (CheckItem& item : CheckItems(Control(ids::lstASCII))) {
    items.push_back({std::move(item.text), item.ticked});
  }
  return items;
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
