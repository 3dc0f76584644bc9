#include "rename/Walk.h"

#include <algorithm>
#include <functional>
#include <string>

#include "rename/NameClaim.h"
#include "rename/ProgramFiles.h"
#include "text/Digits.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

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
  Walker(WalkContext& run, WalkScope& scope) : run_(run), scope_(scope), claim_(run) {}

  void Walk(const Text& folderArgument) {
    Text folder = folderArgument;
    if (EndsInBackslash(folder)) folder.pop_back();
    run_.progress.HandlePendingMessages();
    const std::optional<FolderId> id = run_.disk.IdentifyFolder(folder);
    if (id && !scope_.walked.insert(*id).second) return;
    std::vector<Subfolder> subfolders;
    if (!WalkFiles(folder, id, subfolders)) return;
    for (const Subfolder& sub : subfolders) {
      if (run_.state.AbortRequested) return;
      const Text path = folder + "\\" + sub.name;
      if (sub.exactName) {
        Walk(path + "\\");
      } else {
        // The name on disk cannot be written in code page 932, so no path to it would be right.
        run_.prompts.ShowMessage(RenameFailureMessage(path, path));
        run_.progress.FileHandled({.folder = folder,
                                   .oldName = sub.name,
                                   .result = FileResult::kUnreachableFolder,
                                   .field = run_.state.InSecondFolder});
      }
    }
  }

 private:
  // Handles the files of one folder and collects its subfolders; false when aborted. The listing
  // is dropped before the subfolders are entered, so memory does not grow with the tree.
  bool WalkFiles(const Text& folder, const std::optional<FolderId>& id,
                 std::vector<Subfolder>& subfolders) {
    const std::vector<FolderEntry> entries = run_.disk.ListFolder(folder);
    const bool programFolder = id && id == scope_.programFolder;
    const auto programOwn = [&](const FolderEntry& entry) {
      return programFolder && IsProgramFile(entry.name);
    };
    claim_.EnterFolder(id);
    FolderNames names(entries);
    const std::vector<CompanionGroup> groups = GroupsOf(entries, programOwn);
    std::vector<const CompanionGroup*> groupOf(entries.size(), nullptr);
    for (const CompanionGroup& group : groups) {
      for (const size_t member : group.members) groupOf[member] = &group;
    }
    for (size_t i = 0; i < entries.size(); ++i) {
      const FolderEntry& entry = entries[i];
      if (run_.state.AbortRequested) return false;
      if (entry.name == "." || entry.name == "..") continue;
      if (entry.isDirectory) {
        // A link leads into another folder, perhaps one above: entering it could walk a tree
        // twice or without end. The program's help folder holds pages that name their pictures.
        if (!entry.isLink && !programOwn(entry))
          subfolders.push_back({entry.name, entry.exactName});
      } else if (groupOf[i] == nullptr) {
        WalkFile(folder, entry, names, programOwn(entry));
      } else if (groupOf[i]->members.front() == i) {
        WalkGroup(folder, entries, *groupOf[i], names);
      }
    }
    return true;
  }

  std::vector<CompanionGroup> GroupsOf(const std::vector<FolderEntry>& entries,
                                       const std::function<bool(const FolderEntry&)>& skip) {
    if (!run_.inputs.companions) return {};
    return FormGroups(
        entries, [this](const FolderEntry& entry) { return IsTarget(entry); }, skip);
  }

  bool IsTarget(const FolderEntry& entry) const {
    return IsTargetFile(run_.inputs, RightChars(5, entry.name));
  }

  void WalkFile(const Text& folder, const FolderEntry& entry, FolderNames& names,
                bool programFile) {
    run_.progress.SetStatusText(folder + "\\" + entry.name);
    if (!programFile && IsTarget(entry)) {
      Handled(claim_.Claim(folder, entry, names));
    } else {
      run_.progress.SetStatusColour(StatusColour::kBlack);
    }
    FileDone();
  }

  // The group is met at its first member; every member is a row and a line of the list, but a
  // member that is no target only when it was renamed.
  void WalkGroup(const Text& folder, const std::vector<FolderEntry>& entries,
                 const CompanionGroup& group, FolderNames& names) {
    run_.progress.SetStatusText(folder + "\\" + entries[group.principal].name);
    const std::vector<HandledFile> rows = claim_.ClaimGroup(folder, entries, group, names);
    for (size_t i = 0; i < rows.size(); ++i) {
      HandledFile row = rows[i];
      row.target = IsTarget(entries[group.members[i]]);
      run_.progress.SetStatusText(folder + "\\" + row.oldName);
      Handled(row);
    }
    FileDone();
  }

  void Handled(const HandledFile& handled) {
    if (handled.Listed()) {
      const bool renamed = handled.result == FileResult::kRenamed;
      AppendListLine(run_.state.FolderListText, handled.folder,
                     renamed ? handled.newName : handled.oldName);
    }
    run_.progress.SetStatusColour(StatusColour::kBlue);
    run_.progress.FileHandled(handled);
    run_.progress.HandlePendingMessages();
  }

  void FileDone() {
    run_.state.FileCounter = 0;
    run_.progress.PaintStatusIfDue();
    run_.progress.HandlePendingMessages();
  }

  bool IsProgramFile(const Text& name) const {
    const Text key = AsciiLower(name);
    for (const Text& own : scope_.programFiles) {
      if (AsciiLower(own) == key) return true;
    }
    return false;
  }

  WalkContext& run_;
  WalkScope& scope_;
  NameClaim claim_;
};

}  // namespace

Text WriteProtectionAdvice() {
  return Text("ドライブやフォルダーが書込み禁止になっていないか\n") +
         "また、書込み権があるか確認してください";
}

Text RenameFailureMessage(const Text& oldPath, const Text& newPath) {
  return "ファイル名\n" + oldPath + " は、\n" + newPath + " に、\n" + "変更できません！！" +
         WriteProtectionAdvice();
}

void WalkFolder(WalkContext& run, const Text& folder, WalkScope& scope) {
  Walker(run, scope).Walk(folder);
}

// Folder 2 is walked even after an abort in folder 1; its walk then stops at the first entry. A
// folder 2 that folder 1's walk has been through already is not walked again.
void WalkBothFolders(WalkContext& run) {
  RunState& state = run.state;
  WalkScope scope;
  scope.programFolder = run.disk.IdentifyFolder(state.ExeFolder);
  scope.programFiles = ProgramOwnFiles(state.ProgramName);

  const Text first = run.inputs.folderFields[0];
  state.CurFolder = first;
  state.FolderListText.clear();
  state.InSecondFolder = 0;
  WalkFolder(run, first, scope);

  const Text second = run.inputs.folderFields[1];
  if (second.empty() || !run.disk.FolderExists(second)) return;
  state.InSecondFolder = 1;
  state.CurFolder = second;
  WalkFolder(run, second, scope);
}

bool IsTargetFile(const RunInputs& inputs, std::string_view nameTail) {
  if (inputs.allFiles) return true;
  Text tail(nameTail);
  while (SjisPos("/", tail) > 0) SplitHead("/", tail);
  while (SjisPos(".", tail) > 0) SplitHead(".", tail);
  const Text extension = "." + AsciiLower(tail);
  const auto length = static_cast<int32_t>(extension.size());
  bool answer = false;
  for (const TargetListItem& item : inputs.targetList) {
    if (item.checked && RightChars(length, item.text) == extension) answer = true;
  }
  return answer;
}

Text MakeTimeText(const LocalTime& time, bool evenSeconds) {
  const int32_t second = evenSeconds ? time.second - time.second % 2 : time.second;
  Text text =
      ZeroPadded(time.year, 4) + "/" + ZeroPadded(time.month, 2) + "/" + ZeroPadded(time.day, 2);
  if (time.hour == 0 && time.minute == 0 && second == 0) return text;
  return text + " " + std::to_string(time.hour) + ":" + ZeroPadded(time.minute, 2) + ":" +
         ZeroPadded(second, 2);
}

}  // namespace tokiwake
