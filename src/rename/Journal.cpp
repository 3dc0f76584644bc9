#include "rename/Journal.h"

#include <string>

namespace tokiwake {

namespace {

constexpr std::string_view kSeparator = "\t";
constexpr std::string_view kLineEnd = "\r\n";

// "12 個"
Text Count(size_t n) { return std::to_string(n) + " 個"; }

}  // namespace

Text JournalLine(const JournalEntry& entry) {
  return entry.oldPath + Text(kSeparator) + entry.newPath + Text(kLineEnd);
}

Text JournalText(const std::vector<JournalEntry>& entries) {
  Text text;
  for (const JournalEntry& entry : entries) text += JournalLine(entry);
  return text;
}

// Neither byte can be the second byte of a double-byte character, so a plain search is exact.
std::vector<JournalEntry> ParseJournal(std::string_view text) {
  std::vector<JournalEntry> entries;
  for (size_t end; (end = text.find(kLineEnd)) != std::string_view::npos;
       text.remove_prefix(end + kLineEnd.size())) {
    const std::string_view line = text.substr(0, end);
    const size_t tab = line.find(kSeparator);
    if (tab == 0 || tab == std::string_view::npos || tab + 1 == line.size()) continue;
    if (line.find(kSeparator, tab + 1) != std::string_view::npos) continue;
    entries.push_back({Text(line.substr(0, tab)), Text(line.substr(tab + 1))});
  }
  return entries;
}

bool JournalingDisk::RenameFile(const Text& from, const Text& to) {
  if (!Inner().RenameFile(from, to)) return false;
  if (!journal_ && !failed_) {
    journal_ = Inner().CreateHiddenFile(path_);
    failed_ = !journal_;
  }
  if (journal_ && !journal_->Append(JournalLine({from, to}))) {
    // Part of a line may have been written: the next line would join it into a wrong one.
    journal_.reset();
    failed_ = true;
  }
  return true;
}

UndoResult UndoRename(FileSystem& disk, const JournalEntry& entry) {
  if (disk.RenameFile(entry.newPath, entry.oldPath)) return UndoResult::kUndone;
  const bool oldTaken = disk.FileExists(entry.oldPath) || disk.FolderExists(entry.oldPath);
  if (!disk.FileExists(entry.newPath)) {
    // Gone from its new name and something has its old one: most likely the file itself, put
    // back by an undo that was stopped before it could write what it had done.
    return oldTaken ? UndoResult::kUndone : UndoResult::kFailed;
  }
  return oldTaken ? UndoResult::kNameTaken : UndoResult::kFailed;
}

Text UndoQuestion(size_t files) {
  return "前回の変換で名前を変えた " + Count(files) +
         "のファイルを、\n元のファイル名に戻しますか？";
}

Text UndoReport(const UndoCounts& counts) {
  Text text = Count(counts.undone) + "のファイルを元のファイル名に戻しました。";
  if (counts.taken > 0) {
    text += "\n" + Count(counts.taken) +
            "は、元のファイル名がほかのファイルに使われているので戻せません！！";
  }
  if (counts.failed > 0) {
    text += "\n" + Count(counts.failed) + "は、見つからないか変更できないので戻せません！！";
  }
  if (counts.notTried > 0) {
    text += "\n" + Count(counts.notTried) + "は、中断したので戻していません。";
  }
  if (counts.taken + counts.failed + counts.notTried > 0) {
    text += "\n\n戻していないファイルは「" + Text(kJournalFileName) + "」に残してあります。";
  }
  return text;
}

}  // namespace tokiwake
