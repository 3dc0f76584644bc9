// The undo of the newest run in the journal: its renames taken back last first, each only where
// the file at the new name is still the file renamed and nothing is overwritten, and the journal
// cut down to what is left to take back.
#pragma once

#include <cstddef>
#include <vector>

#include "rename/FileSystem.h"
#include "rename/Journal.h"
#include "rename/RunState.h"
#include "text/SjisText.h"

namespace tokiwake {

class RunProgress;
class RunPrompts;

// What became of one line when it was taken back.
enum class UndoResult {
  kUndone,       // the file has its old name again
  kAlreadyBack,  // it had it already: an undo before was stopped before it could say so
  kNameTaken,    // another file or folder has the old name now; the file stays where it is
  kChanged,      // the file at the new name is not the one renamed, or was changed since
  kMissing,      // nothing is at the new name
  kFailed,       // the rename was refused
  kRefused,      // a line no run writes: it is not acted on
};

// No run writes a line that moves a file to another folder, names a folder, the program or the
// files beside it, holds "." or ".." as a folder, or a name no file may have: a journal edited by
// hand must not move files anywhere.
bool IsLineARunWrites(const JournalEntry& entry, const RunState& state);

// Renames the file back, never over another file, and only when it is the file the line renamed:
// the file `listed` at the line's new name, or, without one, the file the disk finds there.
UndoResult UndoRename(FileSystem& disk, const JournalEntry& entry,
                      const std::optional<FileIdentity>& listed);

struct UndoCounts {
  size_t undone = 0;
  size_t taken = 0;
  size_t changed = 0;
  size_t missing = 0;
  size_t failed = 0;
  size_t refused = 0;
  size_t notTried = 0;  // left when the undo was stopped
  void Add(UndoResult result);
};
// The question before an undo of `files` renames, naming the run, and the one message after it.
Text UndoQuestion(const std::optional<RunHeader>& run, size_t files);
Text UndoReport(const UndoCounts& counts);

// Takes back the newest run of the journal beside the program after the user confirms.
void UndoNewestRun(RunProgress& progress, RunPrompts& prompts, RunState& state, FileSystem& disk);

}  // namespace tokiwake
