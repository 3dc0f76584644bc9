// A preview of the rename run: the run's own walks, with the window's folders, extension list,
// boxes and pattern as they are now, against a disk that keeps its renames to itself, and a host
// that records what would become of each file instead of showing messages.
#pragma once

#include <cstdint>
#include <vector>

#include "rename/FileSystem.h"
#include "rename/RunState.h"
#include "rename/RunWindow.h"
#include "rename/Walk.h"
#include "text/SjisText.h"

namespace tokiwake {

struct PreviewCounts {
  int32_t files = 0;  // target files
  int32_t renamed = 0;
  int32_t unchanged = 0;  // already named as the pattern names them
  int32_t problems = 0;   // rows of files that cannot be renamed and folders that cannot be entered
};

// What the preview's window does while the walks go on.
// The columns of a row, in this order.
enum class PreviewColumn { kFolder, kOldName, kNewName, kTimeSource, kRemark };

class PreviewProgress {
 public:
  // Between files: shows how far the preview has come and handles what is pending, so that the
  // user can stop it.
  virtual void PreviewPump() = 0;

 protected:
  ~PreviewProgress() = default;
};

class Preview final : private RunProgress, private RunPrompts {
 public:
  // The window's inputs as they are now; `state` is the window's, with the pattern the run would
  // use. `disk` must keep its renames to itself.
  Preview(const RunInputs& inputs, const RunState& state, FileSystem& disk);
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  // Runs the walks; returns when they are done or stopped.
  void Compute(PreviewProgress& progress);
  void Stop() { state_.AbortRequested = true; }
  bool Stopped() const { return state_.AbortRequested; }

  // In walk order.
  const std::vector<HandledFile>& Rows() const { return rows_; }
  // What a row shows in a column. The folder is told from the folder field the file was reached
  // from ("フォルダー1\\2024"), so that the part that differs shows; FullFolder gives all of it.
  Text Cell(size_t row, PreviewColumn column) const;
  const Text& FullFolder(size_t row) const { return rows_[row].folder; }
  // The columns shown: where each time came from only while names come from the shooting date.
  std::vector<PreviewColumn> Columns() const;
  // The line above the list: the pattern in use, that nothing has been renamed yet, and the clock
  // correction while one is set.
  Text Heading() const;
  PreviewCounts Counts() const;
  // The file the walk has in hand.
  const Text& CurrentPath() const { return currentPath_; }

 private:
  void SetStatusText(const Text& text) override { currentPath_ = text; }
  void SetStatusColour(StatusColour) override {}
  void PaintStatusNow() override {}
  void PaintStatusIfDue() override {}
  void HandlePendingMessages() override;
  void FileHandled(const HandledFile& file) override { rows_.push_back(file); }
  // The file's row tells what the message would have said.
  void ShowMessage(const Text&) override {}
  bool AskYesNo(const Text&) override { return false; }
  void Beep() override {}
  bool ChooseFolder1() override { return false; }
  void OpenDocument(const Text&, const Text&) override {}

  RunInputs inputs_;
  RunState state_;
  FileSystem& disk_;
  PreviewProgress* progress_ = nullptr;
  std::vector<HandledFile> rows_;
  Text currentPath_;
};

// What a row shows in a column other than its folder. The new name is the one the file has after
// the run: its own when it keeps it. The remark says why only where something happened: a name in
// the way, a name kept, a rename that cannot be done.
Text PreviewCell(const HandledFile& file, PreviewColumn column);
// The summary line under the list.
Text PreviewSummary(const PreviewCounts& counts, bool stopped);

}  // namespace tokiwake
