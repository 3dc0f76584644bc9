#include "rename/RenameRun.h"

#include <utility>

#include "rename/ProgramFiles.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

// Clears the active flag on every way out of a run, and closes the window that waited for it.
class ActiveRun {
 public:
  ActiveRun(bool& active, bool& closePending, RunHost& host)
      : active_(active), closePending_(closePending), host_(host) {
    active_ = true;
  }
  ~ActiveRun() {
    active_ = false;
    if (closePending_) {
      closePending_ = false;
      host_.CloseAfterRun();
    }
  }
  ActiveRun(const ActiveRun&) = delete;
  ActiveRun& operator=(const ActiveRun&) = delete;

 private:
  bool& active_;
  bool& closePending_;
  RunHost& host_;
};

}  // namespace

void RenameRun::cmd_STARTClick() {
  // The walk pumps messages, so a click can arrive inside a run; a nested run would reset the
  // state of the one around it.
  if (active_) return;
  ActiveRun guard(active_, closePending_, host_);
  state_.AbortRequested = false;
  state_.FileCounter = 0;
  if (!FolderOneReady()) return;
  EnsureUsablePattern();
  if (!host_.ConfirmYesNo("変換するフォルダーの\nバックアップは取ってありますか？")) return;
  WalkFolders();
  if (state_.FolderListText.empty()) {
    host_.SoundBeep();
    host_.ShowMessage("表示するリストは、ありません！！");
    return;
  }
  ShowList();
}

void RenameRun::cmdAboteClick() { state_.AbortRequested = true; }

bool RenameRun::RequestClose() {
  if (!active_) return true;
  state_.AbortRequested = true;
  closePending_ = true;
  return false;
}

// A folder picked in the chooser is taken as it is, without a second test.
bool RenameRun::FolderOneReady() {
  const Text folder = host_.FolderFieldText(0);
  if (!folder.empty() && disk_.FolderExists(folder)) return true;
  host_.SoundBeep();
  host_.ShowMessage("フォルダーが設定されていません！！");
  host_.cmd_Directory0Click();
  return !state_.PickedFolder.empty();
}

// Only the run's pattern changes; the combo box keeps the rejected text for the user to fix.
void RenameRun::EnsureUsablePattern() {
  PatternCheck check = UsablePattern(state_.RenameFormat, kRunFallbackPattern);
  if (!check.message.empty()) host_.ShowMessage(check.message);
  state_.RenameFormat = std::move(check.pattern);
}

// Folder 2 is walked even after an abort in folder 1; its walk then stops at the first entry. A
// folder 2 that folder 1's walk has been through already is not walked again.
void RenameRun::WalkFolders() {
  WalkScope scope;
  scope.programFolder = disk_.IdentifyFolder(state_.ExeFolder);
  scope.programFiles = ProgramOwnFiles(state_.ProgramName);

  const Text first = host_.FolderFieldText(0);
  state_.CurFolder = first;
  state_.FolderListText.clear();
  state_.InSecondFolder = 0;
  WalkFolder(host_, state_, disk_, first, scope);

  const Text second = host_.FolderFieldText(1);
  if (second.empty() || !disk_.FolderExists(second)) return;
  state_.InSecondFolder = 1;
  state_.CurFolder = second;
  WalkFolder(host_, state_, disk_, second, scope);
}

// A list that could not be written is told once, and Notepad is not opened on what an earlier run
// left at the list path; nor is a folder of that name made hidden.
void RenameRun::ShowList() {
  const Text listPath = state_.ExeFolder + kFolderListFileName;
  if (disk_.FileExists(listPath)) disk_.RemoveFile(listPath);
  const bool written = disk_.WriteNewFile(listPath, state_.FolderListText);
  if (written) disk_.SetHiddenOnly(listPath);

  host_.SetStatusText("終了");
  host_.SetStatusColour(StatusColour::kBlack);
  host_.RepaintStatus();
  if (!written) {
    host_.ShowMessage("一覧ファイル\n" + listPath + " に、\n書き込めません！！" +
                      WriteProtectionAdvice());
    return;
  }

  const Text notepad = NotepadPath(state_.WinFolder);
  if (!disk_.FileExists(notepad)) return;
  host_.LaunchProgram(notepad, DocumentArguments(listPath));
  host_.PumpMessages();
}

}  // namespace tokiwake
