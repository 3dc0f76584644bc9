#include "rename/Undo.h"

#include <set>
#include <string>
#include <unordered_map>

#include "rename/ProgramFiles.h"
#include "rename/RunWindow.h"
#include "rename/Walk.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

// "12 個"
Text Count(size_t n) { return std::to_string(n) + " 個"; }

Text JournalPath(const RunState& state) { return state.ExeFolder + kJournalFileName; }

// The folder part (up to its last "\", that one left out) and the name after it.
struct PathParts {
  Text folder;
  Text name;
};
std::optional<PathParts> SplitPath(const Text& path) {
  Text rest = path;
  std::vector<Text> segments;
  while (!rest.empty()) segments.push_back(SplitHead("\\", rest));
  const bool unc = path.starts_with("\\\\");
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const size_t firstFolder = unc ? 4 : 1;  // "" "" server share, or "X:"
  if ((!unc && !drive) || segments.size() <= firstFolder || EndsInBackslash(path)) {
    return std::nullopt;
  }
  for (size_t i = unc ? 2 : 1; i < segments.size(); ++i) {
    if (segments[i].empty() || segments[i] == "." || segments[i] == "..") return std::nullopt;
  }
  const Text& name = segments.back();
  return PathParts{path.substr(0, path.size() - name.size() - 1), name};
}

bool IsProgramOwn(const Text& name, const RunState& state) {
  const Text key = AsciiLower(name);
  for (const Text& own : ProgramOwnFiles(state.ProgramName)) {
    if (AsciiLower(own) == key) return true;
  }
  return false;
}

// Where the file at its old name is the file the line renamed.
bool IsBack(FileSystem& disk, const JournalEntry& entry) {
  if (!entry.identity) return disk.FileExists(entry.oldPath);
  const std::optional<FileIdentity> atOldName = disk.IdentifyFile(entry.oldPath);
  return atOldName && atOldName->SameFileAs(*entry.identity);
}

// Lines the user sees once: a line written twice is one rename.
std::vector<JournalEntry> Distinct(std::vector<JournalEntry> entries) {
  std::set<std::pair<Text, Text>> seen;
  std::vector<JournalEntry> distinct;
  for (JournalEntry& entry : entries) {
    if (seen.insert({entry.oldPath, entry.newPath}).second) distinct.push_back(std::move(entry));
  }
  return distinct;
}

}  // namespace

bool IsLineARunWrites(const JournalEntry& entry, const RunState& state) {
  const std::optional<PathParts> from = SplitPath(entry.oldPath);
  const std::optional<PathParts> to = SplitPath(entry.newPath);
  if (!from || !to || AsciiLower(from->folder) != AsciiLower(to->folder)) return false;
  if (HasBadNameChar(from->name) || HasBadNameChar(to->name)) return false;
  Text programFolder = state.ExeFolder;
  if (EndsInBackslash(programFolder)) programFolder.pop_back();
  const bool besideProgram = AsciiLower(from->folder) == AsciiLower(programFolder);
  return !besideProgram || (!IsProgramOwn(from->name, state) && !IsProgramOwn(to->name, state));
}

UndoResult UndoRename(FileSystem& disk, const JournalEntry& entry,
                      const std::optional<FileIdentity>& listed) {
  const std::optional<FileIdentity> found = listed ? listed : disk.IdentifyFile(entry.newPath);
  if (!found) {
    if (disk.FolderExists(entry.newPath)) return UndoResult::kRefused;
    return IsBack(disk, entry) ? UndoResult::kAlreadyBack : UndoResult::kMissing;
  }
  if (entry.identity && !found->SameFileAs(*entry.identity)) return UndoResult::kChanged;
  if (disk.RenameFile(entry.newPath, entry.oldPath, *found)) return UndoResult::kUndone;
  // The listing may be out of date by now: the disk itself tells why.
  if (listed) return UndoRename(disk, entry, std::nullopt);
  const bool oldTaken = disk.FileExists(entry.oldPath) || disk.FolderExists(entry.oldPath);
  return oldTaken ? UndoResult::kNameTaken : UndoResult::kFailed;
}

void UndoCounts::Add(UndoResult result) {
  switch (result) {
    case UndoResult::kUndone:
      ++undone;
      break;
    case UndoResult::kAlreadyBack:
      break;
    case UndoResult::kNameTaken:
      ++taken;
      break;
    case UndoResult::kChanged:
      ++changed;
      break;
    case UndoResult::kMissing:
      ++missing;
      break;
    case UndoResult::kFailed:
      ++failed;
      break;
    case UndoResult::kRefused:
      ++refused;
      break;
  }
}

Text UndoQuestion(const std::optional<RunHeader>& run, size_t files) {
  const Text question =
      "で名前を変えた " + Count(files) + "のファイルを、\n元のファイル名に戻しますか？";
  if (!run) return "前回の変換" + question;
  Text text =
      "次の変換" + question + "\n\n日時：" + run->when + "\nフォルダー1：" + run->folders[0];
  if (!run->folders[1].empty()) text += "\nフォルダー2：" + run->folders[1];
  return text;
}

Text UndoReport(const UndoCounts& counts) {
  Text text = Count(counts.undone) + "のファイルを元のファイル名に戻しました。";
  const std::pair<size_t, const char*> left[] = {
      {counts.taken, "は、元のファイル名がほかのファイルに使われているので戻せません！！"},
      {counts.changed, "は、変換の後で変更されたか別のファイルなので戻しません！！"},
      {counts.missing, "は、見つからないので戻せません！！"},
      {counts.failed, "は、変更できないので戻せません！！"},
      {counts.notTried, "は、中断したので戻していません。"},
  };
  for (const auto& [count, why] : left) {
    if (count > 0) text += "\n" + Count(count) + why;
  }
  if (counts.refused > 0) {
    text +=
        "\n" + std::to_string(counts.refused) + " 行は、変換で書かれた行ではないので使いません！！";
  }
  if (counts.taken + counts.failed + counts.notTried > 0) {
    text += "\n\n戻していないファイルは「" + Text(kJournalFileName) + "」に残してあります。";
  }
  return text;
}

namespace {

// The journal without the run taken back, or with only its lines that may still go back later (a
// name taken, a rename refused, an undo stopped); runs after it hold nothing to take back.
Text JournalLeft(std::string_view text, const JournalRun& run,
                 const std::vector<JournalEntry>& kept, size_t firstRun) {
  Text left(text.substr(firstRun, run.begin - firstRun));
  if (kept.empty()) return left;
  if (run.header) left += HeaderLine(*run.header);
  for (const JournalEntry& entry : kept) left += JournalLine(entry);
  return left;
}

// The files of the folder the lines are in, listed once: a run's lines come folder by folder, and
// one listing costs less than opening each file to ask who it is. A name it does not hold is asked
// of the disk.
class ListedFolder {
 public:
  explicit ListedFolder(FileSystem& disk) : disk_(disk) {}

  std::optional<FileIdentity> Find(const Text& path) {
    const std::optional<PathParts> parts = SplitPath(path);
    if (!parts) return std::nullopt;
    if (parts->folder != folder_) {
      folder_ = parts->folder;
      files_.clear();
      for (FolderEntry& entry : disk_.ListFolder(folder_)) {
        if (entry.exactName && !entry.isDirectory) files_.emplace(entry.name, entry.identity);
      }
    }
    const auto found = files_.find(parts->name);
    if (found == files_.end()) return std::nullopt;
    return found->second;
  }

 private:
  FileSystem& disk_;
  Text folder_;
  std::unordered_map<Text, FileIdentity> files_;
};

bool WriteJournal(FileSystem& disk, const Text& path, const Text& text) {
  if (!text.empty()) return disk.ReplaceHiddenFile(path, text);
  disk.RemoveFile(path);
  return !disk.FileExists(path);
}

}  // namespace

void UndoNewestRun(RunProgress& progress, RunPrompts& prompts, RunState& state, FileSystem& disk) {
  const Text path = JournalPath(state);
  const std::optional<FileTail> journal = disk.ReadFileTail(path, kJournalBytes);
  if (!journal) {
    prompts.ShowMessage("履歴ファイル\n" + path + " を、\n読み込めません！！");
    return;
  }
  const std::vector<JournalRun> runs = SplitRuns(journal->bytes, journal->cut);
  std::vector<JournalEntry> entries;
  size_t newest = runs.size();
  while (newest > 0 && entries.empty()) entries = Distinct(ParseEntries(runs[--newest]));
  if (entries.empty()) {
    disk.RemoveFile(path);
    prompts.Beep();
    prompts.ShowMessage("元に戻すファイルは、ありません！！");
    return;
  }
  const JournalRun& run = runs[newest];
  if (!prompts.AskYesNo(UndoQuestion(run.header, entries.size()))) return;

  state.AbortRequested = false;
  UndoCounts counts;
  std::vector<bool> keep(entries.size(), false);
  ListedFolder listing(disk);
  for (size_t i = entries.size(); i-- > 0;) {
    if (state.AbortRequested) {
      counts.notTried = i + 1;
      std::fill(keep.begin(), keep.begin() + static_cast<ptrdiff_t>(i + 1), true);
      break;
    }
    progress.SetStatusText(entries[i].newPath);
    progress.PaintStatusIfDue();
    const UndoResult result = IsLineARunWrites(entries[i], state)
                                  ? UndoRename(disk, entries[i], listing.Find(entries[i].newPath))
                                  : UndoResult::kRefused;
    counts.Add(result);
    keep[i] = result == UndoResult::kNameTaken || result == UndoResult::kFailed;
    progress.HandlePendingMessages();
  }
  std::vector<JournalEntry> kept;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (keep[i]) kept.push_back(entries[i]);
  }
  const size_t firstRun = runs.front().begin;
  const bool written = WriteJournal(disk, path, JournalLeft(journal->bytes, run, kept, firstRun));

  progress.SetStatusText("終了");
  progress.SetStatusColour(StatusColour::kBlack);
  progress.PaintStatusNow();
  Text report = UndoReport(counts);
  if (!written) {
    report +=
        "\n\n履歴ファイル\n" + path + " を、\n書き換えられません！！" + WriteProtectionAdvice();
  }
  prompts.ShowMessage(report);
}

}  // namespace tokiwake
