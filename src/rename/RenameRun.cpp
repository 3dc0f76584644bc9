#include "rename/RenameRun.h"

#include <utility>

#include "rename/DryRunDisk.h"
#include "rename/JournalingDisk.h"
#include "rename/ProgramFiles.h"
#include "rename/Undo.h"
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
  state_.RenameFormat = UsablePatternFor(state_.RenameFormat);
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
Text RenameRun::UsablePatternFor(const Text& pattern) {
  PatternCheck check = UsablePattern(pattern, kRunFallbackPattern);
  if (!check.message.empty()) host_.ShowMessage(check.message);
  return std::move(check.pattern);
}

// Each rename goes into the journal as it is done.
void RenameRun::WalkFolders() {
  JournalingDisk journaled(
      disk_, JournalPath(),
      {HeaderTime(host_.LocalNow()), {host_.FolderFieldText(0), host_.FolderFieldText(1)}});
  WalkBothFolders(host_, state_, journaled);
  lastRunUnrecorded_ = journaled.Failed();
  if (journaled.Failed()) {
    host_.ShowMessage("履歴ファイル\n" + JournalPath() +
                      " に、\n書き込めません！！この変換は元に戻せません。\n" +
                      WriteProtectionAdvice());
  }
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

// The preview's pattern is checked as the run checks it, but the window's own is left alone.
void RenameRun::ShowPreview(PreviewPresenter& presenter) {
  if (active_) return;
  bool startRun = false;
  {
    ActiveRun guard(active_, closePending_, host_);
    if (!FolderOneReady()) return;
    RunState previewState = state_;
    previewState.RenameFormat = UsablePatternFor(state_.RenameFormat);
    DryRunDisk dryRun(disk_);
    Preview preview(host_, previewState, dryRun);
    startRun = presenter.Present(preview) && !closePending_;
  }
  if (startRun) cmd_STARTClick();
}

bool RenameRun::CanUndo() {
  return !active_ && (lastRunUnrecorded_ || disk_.FileExists(JournalPath()));
}

// The journal's newest run is not the last run then: taking it back would put names back under
// the renames that were not recorded. The next undo takes it back, named by its date.
void RenameRun::UndoLastRun() {
  if (active_) return;
  ActiveRun guard(active_, closePending_, host_);
  if (lastRunUnrecorded_) {
    lastRunUnrecorded_ = false;
    host_.SoundBeep();
    host_.ShowMessage(
        "前回の変換は、履歴ファイルに書き込めなかったので元に戻せません！！\n"
        "そのファイル名は変更したままにします。");
    return;
  }
  UndoNewestRun(host_, state_, disk_);
}

Text RenameRun::JournalPath() const { return state_.ExeFolder + kJournalFileName; }

}  // namespace tokiwake
