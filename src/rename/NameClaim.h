// The new name of one target file: the counter search that claims a name free in the file's
// folder and in the other folder's top level, and the rename.
#pragma once

#include <optional>

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

 private:
  HandledFile RefuseInexactName(const Text& folder, const FolderEntry& entry);
  bool TakenInOtherFolder(const Text& newName);

  WalkContext& run_;
  std::optional<FolderId> folderId_;
  Text otherText_;
  std::optional<FolderId> otherId_;
};

}  // namespace tokiwake
