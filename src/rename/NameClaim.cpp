#include "rename/NameClaim.h"

#include "rename/NameTime.h"
#include "text/Paths.h"

namespace tokiwake {

namespace {

Text ClashMessage(const Text& oldPath, const Text& newPath) {
  return "ファイル名\n" + oldPath + " は、\n" + newPath + " に、\n" +
         "同じファイル名があるので変更できません！！";
}

}  // namespace

// A file whose name the pattern gives for its own time, with any counter value, keeps it: a second
// run over a renamed tree changes nothing, even after a photo of the day was deleted. Only a name
// taken in the other folder's top level comes first: the two folders' names stay apart. A name
// that differs only in letter case keeps its counter and takes the pattern's case. Any other file
// takes the lowest counter value whose name is free.
//
// Whether a name is taken in the file's own folder is answered by what the walk knows of it; the
// rename itself never replaces and refuses a name taken in any form, and only a refused rename
// asks the disk whether the name was taken meanwhile.
HandledFile NameClaim::Claim(const Text& folder, const FolderEntry& entry, FolderNames& names) {
  if (!entry.exactName) return RefuseInexactName(folder, entry);
  const Text oldPath = folder + "\\" + entry.name;
  const NameTime when = TimeForName(run_.disk, oldPath, entry, run_.inputs);
  run_.progress.SetStatusColour(StatusColour::kRed);
  const ClaimTemplate claim = TemplateFor(entry.name, TimeTextForName(when));
  const NameTemplate& name = claim.name;
  HandledFile row{.folder = folder,
                  .oldName = entry.name,
                  .newName = entry.name,
                  .result = FileResult::kUnchanged,
                  .field = run_.state.InSecondFolder,
                  .timeOrigin = when.origin,
                  .unreadable = when.unreadable};
  if (claim.keep) return row;
  const Text ownKey = AsciiLower(entry.name);
  FolderNames::Start start = names.FirstToTry(name);
  bool fromStart = true;
  if (const std::optional<int32_t> own = CounterOf(name, entry.name, true)) {
    if (!TakenInOtherFolder(RenderName(name, *own))) {
      if (RenderName(name, *own) == entry.name) return row;
      start = {*own, false};
      fromStart = false;
    }
  }
  row.nameInTheWay = start.inTheWay;
  for (int32_t counter = start.counter;; ++counter) {
    run_.state.FileCounter = counter;
    row.newName = RenderName(name, counter);
    const Text newPath = folder + "\\" + row.newName;
    run_.progress.HandlePendingMessages();
    const bool ownName = AsciiLower(row.newName) == ownKey;
    const FolderNames::Holder holder =
        ownName ? FolderNames::Holder::kNone : names.Holds(row.newName);
    bool takenBefore = holder == FolderNames::Holder::kBefore ||
                       (holder == FolderNames::Holder::kNone && TakenInOtherFolder(row.newName));
    if (holder == FolderNames::Holder::kNone && !takenBefore) {
      const bool renamed = run_.disk.RenameFile(oldPath, newPath, entry.identity);
      run_.progress.HandlePendingMessages();
      if (renamed) {
        names.Renamed(entry.name, row.newName);
        if (fromStart) names.Took(name, counter, row.nameInTheWay);
        row.result = FileResult::kRenamed;
        return row;
      }
      takenBefore = run_.disk.FileExists(newPath);
      if (!takenBefore) {
        run_.prompts.ShowMessage(RenameFailureMessage(oldPath, newPath));
        row.result = FileResult::kRefused;
        return row;
      }
      names.Add(row.newName);
    }
    row.nameInTheWay = row.nameInTheWay || takenBefore;
    if (counter >= kLastCounter) {
      run_.prompts.ShowMessage(ClashMessage(oldPath, newPath));
      row.result = FileResult::kClash;
      return row;
    }
  }
}

// The group is named as its principal would be named alone, less the principal's own suffix; a
// pattern that puts something after the suffix leaves each member to be named alone.
std::vector<HandledFile> NameClaim::ClaimGroup(const Text& folder,
                                               const std::vector<FolderEntry>& entries,
                                               const CompanionGroup& group, FolderNames& names) {
  const FolderEntry& principal = entries[group.principal];
  const NameTime when =
      TimeForName(run_.disk, folder + "\\" + principal.name, principal, run_.inputs);
  run_.progress.SetStatusColour(StatusColour::kRed);
  const ClaimTemplate claim = TemplateFor(principal.name, TimeTextForName(when));
  const NameTemplate& whole = claim.name;
  const Text principalSuffix = principal.name.substr(group.stem.size());
  NameTemplate stem = whole;
  stem.literal.resize(whole.literal.size() -
                      std::min(whole.literal.size(), principalSuffix.size()));
  const bool cuttable = whole.literal.ends_with(principalSuffix) &&
                        (stem.counterAt.empty() || stem.counterAt.back() <= stem.literal.size());
  std::vector<Member> members;
  for (const size_t index : group.members) {
    members.push_back({&entries[index], entries[index].name.substr(group.stem.size())});
  }
  if (!cuttable) {
    std::vector<HandledFile> rows;
    for (const Member& member : members) rows.push_back(Claim(folder, *member.entry, names));
    return rows;
  }
  HandledFile row{.folder = folder,
                  .oldName = principal.name,
                  .result = FileResult::kRenamed,
                  .field = run_.state.InSecondFolder,
                  .timeOrigin = when.origin,
                  .unreadable = when.unreadable};
  int32_t counter = 1;
  if (claim.keep) {
    row.result = FileResult::kUnchanged;
    return RenameGroup(folder, members, stem, 0, row, names);
  }
  if (const std::optional<int32_t> own = CounterOf(whole, principal.name, true)) {
    bool inTheWay = false;
    if (GroupFreeAt(members, stem, *own, names, inTheWay) && !inTheWay) {
      if (RenderName(whole, *own) == principal.name) {
        row.result = FileResult::kUnchanged;
        return RenameGroup(folder, members, stem, *own, row, names);
      }
      counter = *own;
    }
  }
  for (;; ++counter) {
    run_.state.FileCounter = counter;
    run_.progress.HandlePendingMessages();
    bool inTheWay = false;
    const bool free = GroupFreeAt(members, stem, counter, names, inTheWay);
    row.nameInTheWay = row.nameInTheWay || inTheWay;
    if (free) return RenameGroup(folder, members, stem, counter, row, names);
    if (counter >= kLastCounter) {
      const Text oldPath = folder + "\\" + principal.name;
      row.result = FileResult::kClash;
      run_.prompts.ShowMessage(
          ClashMessage(oldPath, folder + "\\" + RenderName(stem, counter) + principalSuffix));
      return RenameGroup(folder, members, stem, counter, row, names);
    }
  }
}

// Free for a member means free in the folder but for the member itself, and at the other folder's
// top level.
bool NameClaim::GroupFreeAt(const std::vector<Member>& members, const NameTemplate& stem,
                            int32_t counter, FolderNames& names, bool& inTheWay) {
  bool free = true;
  for (const Member& member : members) {
    const Text name = RenderName(stem, counter) + member.suffix;
    const bool own = AsciiLower(name) == AsciiLower(member.entry->name);
    const FolderNames::Holder holder = own ? FolderNames::Holder::kNone : names.Holds(name);
    const bool before = holder == FolderNames::Holder::kBefore ||
                        (holder == FolderNames::Holder::kNone && TakenInOtherFolder(name));
    inTheWay = inTheWay || before;
    free = free && holder == FolderNames::Holder::kNone && !before;
  }
  return free;
}

// Renames each member that does not bear its name yet (for kRenamed), or only makes the rows; a
// member whose rename is refused says so and keeps its name, and the others go on.
std::vector<HandledFile> NameClaim::RenameGroup(const Text& folder,
                                                const std::vector<Member>& members,
                                                const NameTemplate& stem, int32_t counter,
                                                const HandledFile& row, FolderNames& names) {
  std::vector<HandledFile> rows;
  for (const Member& member : members) {
    HandledFile handled = row;
    handled.oldName = member.entry->name;
    handled.newName = row.result == FileResult::kUnchanged
                          ? member.entry->name
                          : RenderName(stem, counter) + member.suffix;
    if (member.entry->name != row.oldName) handled.principal = row.oldName;
    if (row.result == FileResult::kRenamed && handled.newName != handled.oldName) {
      const Text oldPath = folder + "\\" + handled.oldName;
      const Text newPath = folder + "\\" + handled.newName;
      run_.progress.SetStatusText(oldPath);
      if (run_.disk.RenameFile(oldPath, newPath, member.entry->identity)) {
        names.Renamed(handled.oldName, handled.newName);
      } else {
        run_.prompts.ShowMessage(RenameFailureMessage(oldPath, newPath));
        handled.result = FileResult::kRefused;
      }
      run_.progress.HandlePendingMessages();
    } else if (row.result == FileResult::kRenamed) {
      handled.result = FileResult::kUnchanged;
    }
    rows.push_back(std::move(handled));
  }
  return rows;
}

// A pattern with brackets of its own puts a 《 before the pair that carries the old name, so the
// old name taken after the first 《 is not the one the name carries. A name the pattern gave is
// read from the pair at its end: it keeps its name, or, where the other folder holds that name,
// carries the same old name under another counter, instead of wrapping it once more on every run.
// A pattern that ends in "." puts a second "." before the extension, which a re-run then reads as
// part of it: the name it gave is read with the extension after its dots, so that it stays.
NameClaim::ClaimTemplate NameClaim::TemplateFor(const Text& fileName, const Text& timeText) {
  const Text& pattern = run_.state.RenameFormat;
  if (run_.inputs.includeOldName) {
    NameTemplate carried =
        BuildNameTemplate(pattern, true, fileName, timeText, CarriedName::kLastPair);
    if (CounterOf(carried, fileName)) return {std::move(carried), !TakenInOtherFolder(fileName)};
  }
  NameTemplate written = BuildNameTemplate(pattern, run_.inputs.includeOldName, fileName, timeText);
  const bool dotBeforeExtension = fileName.find("..") != Text::npos || fileName.ends_with(".");
  if (dotBeforeExtension && !CounterOf(written, fileName, true)) {
    NameTemplate afterDots =
        BuildNameTemplate(pattern, run_.inputs.includeOldName, fileName, timeText,
                          CarriedName::kFirstBracket, ExtensionReading::kAfterItsDots);
    if (CounterOf(afterDots, fileName, true)) return {std::move(afterDots), false};
  }
  return {std::move(written), false};
}

// A name that came back altered from the conversion might name another file, so it is never used
// as a path: the user is told which file stays and under what name it would have gone.
HandledFile NameClaim::RefuseInexactName(const Text& folder, const FolderEntry& entry) {
  const Text oldPath = folder + "\\" + entry.name;
  run_.progress.SetStatusColour(StatusColour::kRed);
  // No path reaches the file, so no date is read from it.
  const NameTime when{entry.lastWrite, TimeOrigin::kLastWrite, run_.inputs.useShotDate};
  const Text newName = BuildNewName(run_.state.RenameFormat, run_.inputs.includeOldName, entry.name,
                                    TimeTextForName(when), run_.state.FileCounter);
  run_.progress.HandlePendingMessages();
  run_.prompts.ShowMessage(RenameFailureMessage(oldPath, folder + "\\" + newName));
  return {folder,      entry.name,
          newName,     FileResult::kInexactName,
          false,       run_.state.InSecondFolder,
          when.origin, when.unreadable};
}

// The other folder field is read on every attempt: it may be edited while messages are handled.
// An empty field names no folder (not the root of the current drive), and the folder in hand is
// no other folder, however the field spells it: its own names are tested as its own.
bool NameClaim::TakenInOtherFolder(const Text& newName) {
  Text other = run_.inputs.folderFields[run_.state.InSecondFolder == 0 ? 1 : 0];
  if (EndsInBackslash(other)) other.pop_back();
  if (other.empty()) return false;
  if (other != otherText_) {
    otherText_ = other;
    otherId_ = run_.disk.IdentifyFolder(other);
  }
  if (otherId_ && otherId_ == folderId_) return false;
  return run_.disk.FileExists(other + "\\" + newName);
}

}  // namespace tokiwake
