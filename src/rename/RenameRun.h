// The rename run behind the start button: checks, confirmation, the walks of both folders with
// the journal of their renames, and the list file opened in Notepad. Also the abort button, the
// preview and the undo of the last run, and the guard that keeps any two of them from nesting.
#pragma once

#include "rename/FileSystem.h"
#include "rename/Preview.h"
#include "rename/RunState.h"
#include "rename/Walk.h"
#include "text/SjisText.h"

namespace tokiwake {

// What the run needs of the window beyond the walk.
class RunHost : public WalkHost {
 public:
  virtual void SoundBeep() = 0;
  // The folder chooser for folder 1: sets PickedFolder to "" first and, when a folder is picked,
  // sets PickedFolder, CurFolder and the text of txt_Directory0 to it.
  virtual void cmd_Directory0Click() = 0;
  // The backup question: question icon, caption "確認", "はい(&Y)" as default and "いいえ(&N)" also
  // taken by Esc. True only for Yes.
  virtual bool ConfirmYesNo(const Text& question) = 0;

  // The local date and time now, for the journal's header of a run.
  virtual LocalTime LocalNow() = 0;

  // StartProgram: does not wait and reports nothing.
  virtual void LaunchProgram(const Text& programPath, const Text& commandLine) = 0;
  // The window was asked to close during the run; the run has ended and it may close now.
  virtual void CloseAfterRun() = 0;

 protected:
  ~RunHost() = default;
};

// Shows a preview and has it computed.
class PreviewPresenter {
 public:
  // Returns when the user closes the preview: true when the user chose to start the run from it.
  virtual bool Present(Preview& preview) = 0;

 protected:
  ~PreviewPresenter() = default;
};

// One per window. Keeps the run-active state that a run's message pumping would otherwise let a
// second click or a close request trample.
class RenameRun {
 public:
  RenameRun(RunHost& host, RunState& state, FileSystem& disk)
      : host_(host), state_(state), disk_(disk) {}
  RenameRun(const RenameRun&) = delete;
  RenameRun& operator=(const RenameRun&) = delete;

  // Returns when the run is over; a click that arrives while a run is active is ignored.
  void cmd_STARTClick();
  void cmdAboteClick();
  // What the run would do now, through the presenter; the run itself when the user asks for it
  // there. Nothing is renamed or written before that.
  void ShowPreview(PreviewPresenter& presenter);
  // Takes back the newest run in the journal, last rename first, after the user confirms; after a
  // run whose renames the journal could not take, says so and takes back nothing.
  void UndoLastRun();
  // Whether there is a run to take back, or to say why not.
  bool CanUndo();

  bool Active() const { return active_; }
  // True when the window may close now. During a run it asks the walk to stop and answers false;
  // the run calls CloseAfterRun when it has written its list.
  bool RequestClose();

 private:
  bool FolderOneReady();
  Text UsablePatternFor(const Text& pattern);
  void WalkFolders();
  void ShowList();
  Text JournalPath() const;

  RunHost& host_;
  RunState& state_;
  FileSystem& disk_;
  bool active_ = false;
  bool closePending_ = false;
  bool lastRunUnrecorded_ = false;  // the journal could not take all its renames
};

}  // namespace tokiwake
