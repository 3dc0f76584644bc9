// The window as a run meets it, in three plain pieces: the inputs the run reads (a value the
// window keeps up to date wherever it handles messages, so that a change made while the run goes
// on takes effect for the next file), where the run reports how far it has come, and the prompts
// it puts to the user.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rename/HandledFile.h"
#include "text/SjisText.h"

namespace tokiwake {

struct TargetListItem {
  Text text;  // an extension mask such as "*.jpg"
  bool checked;
  bool operator==(const TargetListItem&) const = default;
};

// The pattern is RunState::RenameFormat, which a run may replace for itself.
struct RunInputs {
  std::array<Text, 2> folderFields;  // as typed, chosen or dropped
  std::vector<TargetListItem> targetList;
  bool allFiles = false;        // every file is a target, whatever the list says
  bool includeOldName = false;  // the old name goes into the new one between 《 and 》
  bool useShotDate = false;     // names from when photos and movies were taken, where they say
  int64_t clockCorrection = 0;  // seconds added to the time a name is built from
  bool companions = false;      // a photo's companion files are renamed with it
};

enum class StatusColour { kRed, kBlue, kBlack };

class RunProgress {
 public:
  // The status line as the run sets it; the window may show it at the pace of the display.
  virtual void SetStatusText(const Text& text) = 0;
  virtual void SetStatusColour(StatusColour colour) = 0;
  virtual void PaintStatusNow() = 0;
  // Paints when a display frame has passed since the last painting, or the run is being stopped.
  virtual void PaintStatusIfDue() = 0;
  // Handles what is pending; the abort button and edits reach the run only this way. The window
  // may leave the queue for a moment when it looked at it less than a frame ago.
  virtual void HandlePendingMessages() = 0;
  // After each target file, and after a subfolder that cannot be entered.
  virtual void FileHandled(const HandledFile&) {}

 protected:
  ~RunProgress() = default;
};

class RunPrompts {
 public:
  // Modal, OK button, the application title as caption; the status line is shown first, as it
  // stands, so that the box and the line name the same file.
  virtual void ShowMessage(const Text& text) = 0;
  // Question icon, caption "確認", "はい(&Y)" as default and "いいえ(&N)" also taken by Esc; true
  // only for Yes.
  virtual bool AskYesNo(const Text& question) = 0;
  virtual void Beep() = 0;
  // The folder chooser for folder 1; true when a folder was chosen (it is then folder 1).
  virtual bool ChooseFolder1() = 0;
  // A document in the program that shows it, without waiting; a failed start is not told.
  virtual void OpenDocument(const Text& programPath, const Text& document) = 0;

 protected:
  ~RunPrompts() = default;
};

}  // namespace tokiwake
