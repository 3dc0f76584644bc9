// The rename run behind the start button: checks, confirmation, the walks of both folders with
// the journal of their renames, and the list file opened in Notepad. Also its stop, its preview,
// the undo of the last runs, and the guard that keeps any two of them from nesting.
#pragma once

#include "rename/FileSystem.h"
#include "rename/Preview.h"
#include "rename/RunState.h"
#include "rename/RunWindow.h"
#include "text/SjisText.h"

namespace tokiwake {

// Shows a preview and has it computed.
class PreviewPresenter {
 public:
  // Returns when the user closes the preview: true when the user chose to start the run from it.
  virtual bool Present(Preview& preview) = 0;

 protected:
  ~PreviewPresenter() = default;
};

// One per window. Keeps the run-active state that a run's message handling would otherwise let a
// second click or a close request trample.
class RenameRun {
 public:
  RenameRun(const RunInputs& inputs, RunProgress& progress, RunPrompts& prompts, RunState& state,
            FileSystem& disk)
      : inputs_(inputs), progress_(progress), prompts_(prompts), state_(state), disk_(disk) {}
  RenameRun(const RenameRun&) = delete;
  RenameRun& operator=(const RenameRun&) = delete;

  // Returns when the run is over; a start while a run is active is ignored.
  void Start();
  // The run in hand stops after the file in hand.
  void Stop();
  // What the run would do now, through the presenter; the run itself when the user asks for it
  // there. Nothing is renamed or written before that.
  void ShowPreview(PreviewPresenter& presenter);
  // Takes back the newest run in the journal, last rename first, after the user confirms; after a
  // run whose renames the journal could not take, says so and takes back nothing.
  void Undo();
  // Whether there is a run to take back, or to say why not.
  bool CanUndo();

  bool Active() const { return active_; }
  // True when the window may close now. During a run it asks the run to stop and answers false;
  // TakeCloseRequest then tells the window, once the run is over, that it wanted to close.
  bool RequestClose();
  bool TakeCloseRequest();

 private:
  bool FolderOneReady();
  Text UsablePatternFor(const Text& pattern);
  void WalkFolders();
  void ShowList();
  Text JournalPath() const;

  const RunInputs& inputs_;
  RunProgress& progress_;
  RunPrompts& prompts_;
  RunState& state_;
  FileSystem& disk_;
  bool active_ = false;
  bool closePending_ = false;
  bool lastRunUnrecorded_ = false;  // the journal could not take all its renames
};

}  // namespace tokiwake
