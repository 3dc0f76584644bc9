#include "rename/RenameRun.h"

#include <utility>

#include "rename/DryRunDisk.h"
#include "rename/JournalingDisk.h"
#include "rename/NamePattern.h"
#include "rename/ProgramFiles.h"
#include "rename/Undo.h"
#include "rename/Walk.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

// Clears the active flag on every way out of a run.
class ActiveRun {
 public:
  explicit ActiveRun(bool& active) : active_(active) { active_ = true; }
  ~ActiveRun() { active_ = false; }
  ActiveRun(const ActiveRun&) = delete;
  ActiveRun& operator=(const ActiveRun&) = delete;

 private:
  bool& active_;
};

}  // namespace

void RenameRun::Start() {
  // The walk handles messages, so a click can arrive inside a run; a nested run would reset the
  // state of the one around it.
  if (active_) return;
  ActiveRun guard(active_);
  state_.AbortRequested = false;
  state_.FileCounter = 0;
  if (!FolderOneReady()) return;
  state_.RenameFormat = UsablePatternFor(state_.RenameFormat);
  if (!prompts_.AskYesNo("変換するフォルダーの\nバックアップは取ってありますか？")) return;
  WalkFolders();
  if (state_.FolderListText.empty()) {
    prompts_.Beep();
    prompts_.ShowMessage("表示するリストは、ありません！！");
    return;
  }
  ShowList();
}

void RenameRun::Stop() { state_.AbortRequested = true; }

bool RenameRun::RequestClose() {
  if (!active_) return true;
  state_.AbortRequested = true;
  closePending_ = true;
  return false;
}

bool RenameRun::TakeCloseRequest() { return !active_ && std::exchange(closePending_, false); }

// A folder picked in the chooser is taken as it is, without a second test.
bool RenameRun::FolderOneReady() {
  const Text& folder = inputs_.folderFields[0];
  if (!folder.empty() && disk_.FolderExists(folder)) return true;
  prompts_.Beep();
  prompts_.ShowMessage("フォルダーが設定されていません！！");
  return prompts_.ChooseFolder1();
}

// Only the run's pattern changes; the combo box keeps the rejected text for the user to fix.
Text RenameRun::UsablePatternFor(const Text& pattern) {
  PatternCheck check = UsablePattern(pattern, kRunFallbackPattern);
  if (!check.message.empty()) prompts_.ShowMessage(check.message);
  return std::move(check.pattern);
}

// Each rename goes into the journal as it is done.
void RenameRun::WalkFolders() {
  JournalingDisk journaled(disk_, JournalPath(),
                           {HeaderTime(disk_.LocalNow()), inputs_.folderFields});
  WalkContext run{inputs_, progress_, prompts_, state_, journaled};
  WalkBothFolders(run);
  lastRunUnrecorded_ = journaled.Failed();
  if (journaled.Failed()) {
    prompts_.ShowMessage("履歴ファイル\n" + JournalPath() +
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

  progress_.SetStatusText("終了");
  progress_.SetStatusColour(StatusColour::kBlack);
  progress_.PaintStatusNow();
  if (!written) {
    prompts_.ShowMessage("一覧ファイル\n" + listPath + " に、\n書き込めません！！" +
                         WriteProtectionAdvice());
    return;
  }

  const Text notepad = NotepadPath(state_.WinFolder);
  if (!disk_.FileExists(notepad)) return;
  prompts_.OpenDocument(notepad, listPath);
  progress_.HandlePendingMessages();
}

// The preview's pattern is checked as the run checks it, but the window's own is left alone.
void RenameRun::ShowPreview(PreviewPresenter& presenter) {
  if (active_) return;
  bool startRun = false;
  {
    ActiveRun guard(active_);
    if (!FolderOneReady()) return;
    RunState previewState = state_;
    previewState.RenameFormat = UsablePatternFor(state_.RenameFormat);
    DryRunDisk dryRun(disk_);
    Preview preview(inputs_, previewState, dryRun);
    startRun = presenter.Present(preview) && !closePending_;
  }
  if (startRun) Start();
}

bool RenameRun::CanUndo() {
  return !active_ && (lastRunUnrecorded_ || disk_.FileExists(JournalPath()));
}

// The journal's newest run is not the last run then: taking it back would put names back under
// the renames that were not recorded. The next undo takes it back, named by its date.
void RenameRun::Undo() {
  if (active_) return;
  ActiveRun guard(active_);
  if (lastRunUnrecorded_) {
    lastRunUnrecorded_ = false;
    prompts_.Beep();
    prompts_.ShowMessage(
        "前回の変換は、履歴ファイルに書き込めなかったので元に戻せません！！\n"
        "そのファイル名は変更したままにします。");
    return;
  }
  UndoNewestRun(progress_, prompts_, state_, disk_);
}

Text RenameRun::JournalPath() const { return state_.ExeFolder + kJournalFileName; }

}  // namespace tokiwake
