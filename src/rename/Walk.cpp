#include "rename/Walk.h"

#include <algorithm>
#include <string>

#include "rename/FolderNames.h"
#include "rename/ProgramFiles.h"
#include "text/Digits.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

Text PathPair(const Text& oldPath, const Text& newPath) {
  return "ファイル名\n" + oldPath + " は、\n" + newPath + " に、\n";
}

Text ClashMessage(const Text& oldPath, const Text& newPath) {
  return PathPair(oldPath, newPath) + "同じファイル名があるので変更できません！！";
}

Text RenameFailureMessage(const Text& oldPath, const Text& newPath) {
  return PathPair(oldPath, newPath) + "変更できません！！" + WriteProtectionAdvice();
}

// Past this size the list is given room for many more lines at once (kLargeListRoom): growing a
// text copies it, and the old and the new copy are held together for a moment, while room that has
// not been written to takes no memory.
constexpr size_t kLargeList = 1 << 20;
constexpr size_t kLargeListRoom = 64 << 20;

void AppendListLine(Text& list, const Text& folder, const Text& name) {
  const size_t needed = list.size() + folder.size() + name.size() + 3;
  if (needed > list.capacity() && list.capacity() >= kLargeList) {
    list.reserve(std::max(kLargeListRoom, 2 * needed));
  }
  list.append(folder).append("\\").append(name).append("\r\n");
}

struct Subfolder {
  Text name;
  bool exactName;
};

class Walker {
 public:
  Walker(WalkHost& host, RunState& state, FileSystem& disk, WalkScope& scope)
      : host_(host), state_(state), disk_(disk), scope_(scope) {}

  void Walk(const Text& folderArgument) {
    Text folder = folderArgument;
    if (EndsInBackslash(folder)) folder.pop_back();
    host_.PumpMessages();
    const std::optional<FolderId> id = disk_.IdentifyFolder(folder);
    if (id && !scope_.walked.insert(*id).second) return;
    std::vector<Subfolder> subfolders;
    if (!WalkFiles(folder, id, subfolders)) return;
    for (const Subfolder& sub : subfolders) {
      if (state_.AbortRequested) return;
      const Text path = folder + "\\" + sub.name;
      if (sub.exactName) {
        Walk(path + "\\");
      } else {
        // The name on disk cannot be written in code page 932, so no path to it would be right.
        host_.ShowMessage(RenameFailureMessage(path, path));
        host_.FileHandled({folder, sub.name, {}, FileResult::kUnreachableFolder, false});
      }
    }
  }

 private:
  // Handles the files of one folder and collects its subfolders; false when aborted. The listing
  // is dropped before the subfolders are entered, so memory does not grow with the tree.
  bool WalkFiles(const Text& folder, const std::optional<FolderId>& id,
                 std::vector<Subfolder>& subfolders) {
    const std::vector<FolderEntry> entries = disk_.ListFolder(folder);
    const bool programFolder = id && id == scope_.programFolder;
    folderId_ = id;
    FolderNames names(entries);
    for (const FolderEntry& entry : entries) {
      if (state_.AbortRequested) return false;
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.isDirectory) {
        // A link leads into another folder, perhaps one above: entering it could walk a tree
        // twice or without end. The program's help folder holds pages that name their pictures.
        const bool programOwn = programFolder && IsProgramFile(entry.name);
        if (!entry.isLink && !programOwn) subfolders.push_back({entry.name, entry.exactName});
      } else {
        WalkFile(folder, entry, names, programFolder && IsProgramFile(entry.name));
      }
    }
    return true;
  }

  void WalkFile(const Text& folder, const FolderEntry& entry, FolderNames& names,
                bool programFile) {
    host_.SetStatusText(folder + "\\" + entry.name);
    if (!programFile && IsTargetFile(host_, RightChars(5, entry.name))) {
      const HandledFile handled =
          entry.exactName ? RenameTarget(folder, entry, names) : RefuseInexactName(folder, entry);
      const Text& finalName =
          handled.result == FileResult::kRenamed ? handled.newName : handled.oldName;
      AppendListLine(state_.FolderListText, folder, finalName);
      host_.SetStatusColour(StatusColour::kBlue);
      host_.FileHandled(handled);
      host_.PumpMessages();
    } else {
      host_.SetStatusColour(StatusColour::kBlack);
    }
    state_.FileCounter = 0;
    host_.RepaintStatusIfDue();
    host_.PumpMessages();
  }

  bool IsProgramFile(const Text& name) const {
    const Text key = AsciiLower(name);
    for (const Text& own : scope_.programFiles) {
      if (AsciiLower(own) == key) return true;
    }
    return false;
  }

  // Says whether the file was given a new name, and which.
  //
  // A file whose name the pattern gives for its own time, with any counter value, keeps it: a
  // second run over a renamed tree changes nothing, even after a photo of the day was deleted.
  // Only a name taken in the other folder's top level comes first: the two folders' names stay
  // apart. A name that differs only in letter case keeps its counter and takes the pattern's case.
  // Any other file takes the lowest counter value whose name is free.
  //
  // Whether a name is taken in the file's own folder is answered by what the walk knows of it;
  // the rename itself never replaces and refuses a name taken in any form, and only a refused
  // rename asks the disk whether the name was taken meanwhile.
  HandledFile RenameTarget(const Text& folder, const FolderEntry& entry, FolderNames& names) {
    const Text oldPath = folder + "\\" + entry.name;
    const NameTemplate name =
        BuildNameTemplate(host_, state_, entry.name, MakeTimeText(entry.lastWrite));
    const Text ownKey = AsciiLower(entry.name);
    int32_t counter = names.FirstToTry(name);
    int32_t firstValue = 1;  // what the file takes when nothing is in the way
    bool fromStart = true;
    if (const std::optional<int32_t> own = CounterOf(name, entry.name, true)) {
      if (!TakenInOtherFolder(RenderName(name, *own))) {
        if (RenderName(name, *own) == entry.name) {
          return {folder, entry.name, entry.name, FileResult::kUnchanged, false};
        }
        counter = firstValue = *own;
        fromStart = false;
      }
    }
    for (;;) {
      state_.FileCounter = counter;
      const bool counterRaised = counter > firstValue;
      const Text newName = RenderName(name, counter);
      const Text newPath = folder + "\\" + newName;
      host_.PumpMessages();
      const bool ownName = AsciiLower(newName) == ownKey;
      bool taken = (!ownName && names.Holds(newName)) || TakenInOtherFolder(newName);
      if (!taken) {
        const bool renamed = disk_.RenameFile(oldPath, newPath, entry.identity);
        host_.PumpMessages();
        if (renamed) {
          names.Renamed(entry.name, newName);
          if (fromStart) names.Took(name, counter);
          return {folder, entry.name, newName, FileResult::kRenamed, counterRaised};
        }
        taken = disk_.FileExists(newPath);
        if (!taken) {
          host_.ShowMessage(RenameFailureMessage(oldPath, newPath));
          return {folder, entry.name, newName, FileResult::kRefused, counterRaised};
        }
        names.Add(newName);
      }
      if (counter >= kLastCounter) {
        host_.ShowMessage(ClashMessage(oldPath, newPath));
        return {folder, entry.name, newName, FileResult::kClash, counterRaised};
      }
      ++counter;
    }
  }

  // A name that came back altered from the conversion might name another file, so it is never
  // used as a path: the user is told which file stays and under what name it would have gone.
  HandledFile RefuseInexactName(const Text& folder, const FolderEntry& entry) {
    const Text oldPath = folder + "\\" + entry.name;
    const Text newName =
        BuildNewName(host_, state_, entry.name, MakeTimeText(entry.lastWrite), state_.FileCounter);
    host_.PumpMessages();
    host_.ShowMessage(RenameFailureMessage(oldPath, folder + "\\" + newName));
    return {folder, entry.name, newName, FileResult::kInexactName, false};
  }

  // The other folder field is read on every attempt: it may be edited while messages are pumped.
  // An empty field names no folder (not the root of the current drive), and the folder in hand
  // is no other folder, however the field spells it: its own names are tested as its own.
  bool TakenInOtherFolder(const Text& newName) {
    Text other = host_.FolderFieldText(state_.InSecondFolder == 0 ? 1 : 0);
    if (EndsInBackslash(other)) other.pop_back();
    if (other.empty()) return false;
    if (other != otherText_) {
      otherText_ = other;
      otherId_ = disk_.IdentifyFolder(other);
    }
    if (otherId_ && otherId_ == folderId_) return false;
    return disk_.FileExists(other + "\\" + newName);
  }

  WalkHost& host_;
  RunState& state_;
  FileSystem& disk_;
  WalkScope& scope_;
  std::optional<FolderId> folderId_;  // of the folder whose files are in hand
  Text otherText_;
  std::optional<FolderId> otherId_;
};

}  // namespace

Text WriteProtectionAdvice() {
  return Text("ドライブやフォルダーが書込み禁止になっていないか\n") +
         "また、書込み権があるか確認してください";
}

void WalkFolder(WalkHost& host, RunState& state, FileSystem& disk, const Text& folder,
                WalkScope& scope) {
  Walker(host, state, disk, scope).Walk(folder);
}

// Folder 2 is walked even after an abort in folder 1; its walk then stops at the first entry. A
// folder 2 that folder 1's walk has been through already is not walked again.
void WalkBothFolders(WalkHost& host, RunState& state, FileSystem& disk) {
  WalkScope scope;
  scope.programFolder = disk.IdentifyFolder(state.ExeFolder);
  scope.programFiles = ProgramOwnFiles(state.ProgramName);

  const Text first = host.FolderFieldText(0);
  state.CurFolder = first;
  state.FolderListText.clear();
  state.InSecondFolder = 0;
  WalkFolder(host, state, disk, first, scope);

  const Text second = host.FolderFieldText(1);
  if (second.empty() || !disk.FolderExists(second)) return;
  state.InSecondFolder = 1;
  state.CurFolder = second;
  WalkFolder(host, state, disk, second, scope);
}

bool IsTargetFile(const WalkHost& host, std::string_view nameTail) {
  if (host.AllFilesChecked()) return true;
  Text tail(nameTail);
  while (SjisPos("/", tail) > 0) SplitHead("/", tail);
  while (SjisPos(".", tail) > 0) SplitHead(".", tail);
  const Text extension = "." + AsciiLower(tail);
  const auto length = static_cast<int32_t>(extension.size());
  bool answer = false;
  for (const TargetListItem& item : host.TargetListItems()) {
    if (item.checked && RightChars(length, item.text) == extension) answer = true;
  }
  return answer;
}

Text MakeTimeText(const LocalTime& time) {
  const int32_t second = time.second - time.second % 2;
  Text text =
      ZeroPadded(time.year, 4) + "/" + ZeroPadded(time.month, 2) + "/" + ZeroPadded(time.day, 2);
  if (time.hour == 0 && time.minute == 0 && second == 0) return text;
  return text + " " + std::to_string(time.hour) + ":" + ZeroPadded(time.minute, 2) + ":" +
         ZeroPadded(second, 2);
}

}  // namespace tokiwake
