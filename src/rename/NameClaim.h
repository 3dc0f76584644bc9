// The new name of one target file: the counter search that claims a name free in the file's
// folder and in the other folder's top level, and the rename.
#pragma once

#include <optional>
#include <vector>

#include "rename/Companions.h"
#include "rename/FolderNames.h"
#include "rename/Walk.h"

namespace tokiwake {

class NameClaim {
 public:
  explicit NameClaim(WalkContext& run) : run_(run) {}

  // The folder whose files are in hand, as the disk identifies it.
  void EnterFolder(const std::optional<FolderId>& folder) { folderId_ = folder; }

  // Gives the file its name, or tells why it keeps its own.
  HandledFile Claim(const Text& folder, const FolderEntry& entry, FolderNames& names);
  // Gives every file of the group one new stem, built by the pattern from its principal, each
  // keeping what followed the stem. A counter value is taken only when it is free for every
  // member. One row per member, in the folder's order.
  std::vector<HandledFile> ClaimGroup(const Text& folder, const std::vector<FolderEntry>& entries,
                                      const CompanionGroup& group, FolderNames& names);

 private:
  struct Member {
    const FolderEntry* entry;
    Text suffix;  // what follows the stem
  };
  std::vector<HandledFile> RenameGroup(const Text& folder, const std::vector<Member>& members,
                                       const NameTemplate& stem, int32_t counter,
                                       const HandledFile& row, FolderNames& names);
  bool GroupFreeAt(const std::vector<Member>& members, const NameTemplate& stem, int32_t counter,
                   FolderNames& names, bool& inTheWay);
  HandledFile RefuseInexactName(const Text& folder, const FolderEntry& entry);
  struct ClaimTemplate {
    NameTemplate name;
    bool keep;  // the file bears a name the pattern gives it, free at the other folder's top
  };
  ClaimTemplate TemplateFor(const Text& fileName, const Text& timeText);
  bool TakenInOtherFolder(const Text& newName);

  WalkContext& run_;
  std::optional<FolderId> folderId_;
  Text otherText_;
  std::optional<FolderId> otherId_;
};

}  // namespace tokiwake
