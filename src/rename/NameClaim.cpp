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
  const NameTemplate name = BuildNameTemplate(run_.state.RenameFormat, run_.inputs.includeOldName,
                                              entry.name, TimeTextForName(when));
  const Text ownKey = AsciiLower(entry.name);
  const int32_t field = run_.state.InSecondFolder;
  FolderNames::Start start = names.FirstToTry(name);
  bool fromStart = true;
  if (const std::optional<int32_t> own = CounterOf(name, entry.name, true)) {
    if (!TakenInOtherFolder(RenderName(name, *own))) {
      if (RenderName(name, *own) == entry.name) {
        return {folder, entry.name, entry.name,  FileResult::kUnchanged,
                false,  field,      when.origin, when.unreadable};
      }
      start = {*own, false};
      fromStart = false;
    }
  }
  bool inTheWay = start.inTheWay;
  for (int32_t counter = start.counter;; ++counter) {
    run_.state.FileCounter = counter;
    const Text newName = RenderName(name, counter);
    const Text newPath = folder + "\\" + newName;
    run_.progress.HandlePendingMessages();
    const bool ownName = AsciiLower(newName) == ownKey;
    const FolderNames::Holder holder = ownName ? FolderNames::Holder::kNone : names.Holds(newName);
    bool takenBefore = holder == FolderNames::Holder::kBefore ||
                       (holder == FolderNames::Holder::kNone && TakenInOtherFolder(newName));
    if (holder == FolderNames::Holder::kNone && !takenBefore) {
      const bool renamed = run_.disk.RenameFile(oldPath, newPath, entry.identity);
      run_.progress.HandlePendingMessages();
      if (renamed) {
        names.Renamed(entry.name, newName);
        if (fromStart) names.Took(name, counter, inTheWay);
        return {folder,   entry.name, newName,     FileResult::kRenamed,
                inTheWay, field,      when.origin, when.unreadable};
      }
      takenBefore = run_.disk.FileExists(newPath);
      if (!takenBefore) {
        run_.prompts.ShowMessage(RenameFailureMessage(oldPath, newPath));
        return {folder,   entry.name, newName,     FileResult::kRefused,
                inTheWay, field,      when.origin, when.unreadable};
      }
      names.Add(newName);
    }
    inTheWay = inTheWay || takenBefore;
    if (counter >= kLastCounter) {
      run_.prompts.ShowMessage(ClashMessage(oldPath, newPath));
      return {folder,   entry.name, newName,     FileResult::kClash,
              inTheWay, field,      when.origin, when.unreadable};
    }
  }
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
