#include "rename/JournalingDisk.h"

namespace tokiwake {

bool JournalingDisk::RenameFile(const Text& from, const Text& to, const FileIdentity& file) {
  if (!opened_) Open();
  if (!Inner().RenameFile(from, to, file)) return false;
  if (journal_ && !journal_->Append(pending_ + JournalLine({from, to, file}))) {
    // Part of a line may have been written: the next line would join it into a wrong one.
    journal_.reset();
  }
  pending_.clear();
  failed_ = failed_ || !journal_;
  return true;
}

// Before it grows, the journal is cut down to the runs it keeps. A line cut off by a kill is ended
// first, or the header would join it and be lost.
void JournalingDisk::Open() {
  opened_ = true;
  Text lineEnd;
  if (const std::optional<FileTail> tail = Inner().ReadFileTail(path_, kJournalBytes)) {
    const std::vector<JournalRun> runs = SplitRuns(tail->bytes, tail->cut);
    const bool trimmed = (tail->cut || runs.size() >= kJournalRuns) &&
                         Inner().ReplaceHiddenFile(path_, TrimmedJournal(tail->bytes, runs));
    if (!trimmed && !tail->bytes.empty() && !tail->bytes.ends_with("\r\n")) lineEnd = "\r\n";
  }
  journal_ = Inner().OpenHiddenForAppend(path_);
  if (!journal_) Inner().RemoveFile(path_);
  pending_ = lineEnd + HeaderLine(header_);
}

}  // namespace tokiwake
