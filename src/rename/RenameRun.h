// The rename run behind the start button: checks, confirmation, the walks of both folders, and the
// list file opened in Notepad. Also the abort button and the guard that keeps runs from nesting.
#pragma once

#include "rename/FileSystem.h"
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

  // StartProgram: does not wait and reports nothing.
  virtual void LaunchProgram(const Text& programPath, const Text& commandLine) = 0;
  // The window was asked to close during the run; the run has ended and it may close now.
  virtual void CloseAfterRun() = 0;

 protected:
  ~RunHost() = default;
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

  bool Active() const { return active_; }
  // True when the window may close now. During a run it asks the walk to stop and answers false;
  // the run calls CloseAfterRun when it has written its list.
  bool RequestClose();

 private:
  bool FolderOneReady();
  void EnsureUsablePattern();
  void WalkFolders();
  void ShowList();

  RunHost& host_;
  RunState& state_;
  FileSystem& disk_;
  bool active_ = false;
  bool closePending_ = false;
};

}  // namespace tokiwake
