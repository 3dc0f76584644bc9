// Companion files: a camera's RAW beside its JPEG, a phone's motion clip and edits beside its
// photo, an editor's sidecar beside either. Inside one folder, a target file that is no sidecar
// gives its name without the last extension (its stem) to a group, and every other file of the
// folder whose name is that stem, ".", and anything joins it, compared as the disk compares
// names. A file joins the group of the longest stem that fits it.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "rename/FileSystem.h"
#include "text/SjisText.h"

namespace tokiwake {

struct CompanionGroup {
  Text stem;                    // as the principal spells it
  size_t principal = 0;         // index of the file whose time names the group
  std::vector<size_t> members;  // indices of every file of the group, the principal among them
};

// Sidecars (.xmp, .aae, .thm, .pp3, .dop) never give a group its stem; one that fits no group is
// a file of its own.
bool IsSidecar(std::string_view name);

// The groups of two or more files among `entries`. `isTarget` tells the files the run renames;
// `skip` those it must never touch. The principal is the first target in the order still images
// (JPEG, HEIC, HEIF, AVIF, the RAW formats, TIFF, PNG, WebP, GIF, BMP), then movies, then anything
// else, and in the folder's order among equals.
std::vector<CompanionGroup> FormGroups(const std::vector<FolderEntry>& entries,
                                       const std::function<bool(const FolderEntry&)>& isTarget,
                                       const std::function<bool(const FolderEntry&)>& skip);

}  // namespace tokiwake
