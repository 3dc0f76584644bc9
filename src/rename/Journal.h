// The journal of the last run that renamed a file, and its undo. One line per rename, written as
// each rename is done, so that the run can be taken back even when it was stopped or killed. A line
// is the old full path, a TAB, the new full path and CR LF, in code page 932: a TAB occurs in no
// Windows path and in no double-byte character, so the line splits one way only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "rename/FileSystem.h"
#include "rename/ForwardingDisk.h"
#include "rename/ProgramFiles.h"
#include "text/SjisText.h"

namespace tokiwake {

struct JournalEntry {
  Text oldPath;
  Text newPath;
  bool operator==(const JournalEntry&) const = default;
};

Text JournalLine(const JournalEntry& entry);
Text JournalText(const std::vector<JournalEntry>& entries);

// The entries in the order they were written. A last line without its CR LF was cut off by a kill
// and is left out, as is any line that is not two paths joined by one TAB.
std::vector<JournalEntry> ParseJournal(std::string_view text);

// A disk that passes everything on and writes each rename that succeeds to the journal at `path`,
// which it creates (replacing the journal of the run before) at the first such rename. A run that
// renames nothing leaves the journal before it in place.
class JournalingDisk final : public ForwardingDisk {
 public:
  JournalingDisk(FileSystem& disk, Text path) : ForwardingDisk(disk), path_(std::move(path)) {}

  // True when a rename was done that the journal could not take.
  bool Failed() const { return failed_; }

  bool RenameFile(const Text& from, const Text& to) override;

 private:
  Text path_;
  std::unique_ptr<AppendFile> journal_;
  bool failed_ = false;
};

// What became of one line when it was taken back.
enum class UndoResult {
  kUndone,     // the file has its old name again (or had it already)
  kNameTaken,  // another file has the old name now; the file stays where it is
  kFailed,     // the file is gone, or the rename was refused
};

// Renames the file back, never over another file.
UndoResult UndoRename(FileSystem& disk, const JournalEntry& entry);

struct UndoCounts {
  size_t undone = 0;
  size_t taken = 0;
  size_t failed = 0;
  size_t notTried = 0;  // left when the undo was stopped
};
// The question before an undo of `files` renames, and the one message after it.
Text UndoQuestion(size_t files);
Text UndoReport(const UndoCounts& counts);

}  // namespace tokiwake
