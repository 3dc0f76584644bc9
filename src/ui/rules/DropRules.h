// What a drop onto the main window becomes: which folder field takes it, where a dropped shortcut
// leads, and which folder a dropped file gives. The window reads the drop and sets the field; these
// rules look only at texts and ask the disk through DropDisk.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// A dropped path longer than this is ignored: cut to fit, it could name another folder.
inline constexpr size_t kMaxDroppedPathBytes = 254;
// Shortcuts followed for one dropped item; a longer chain, or a loop, is ignored.
inline constexpr int kMaxShortcutSteps = 16;

enum class PathKind { kNothing, kFolder, kFile };

class DropDisk {
 public:
  virtual PathKind KindOf(const Text& path) const = 0;  // Nothing for ""
  // The target of a shortcut file; nullopt when it cannot be read.
  virtual std::optional<Text> ShortcutTarget(const Text& path) const = 0;

 protected:
  ~DropDisk() = default;
};

struct DroppedItem {
  Text path;          // code page 932
  bool exact = true;  // false when code page 932 cannot hold the path as dropped
  Text controlName;   // the window's control under the pointer; "" when none of them
};

// Index of the folder field (0 or 1) that takes an item dropped on the named control; nullopt
// when the item is ignored.
std::optional<int> DropFieldIndex(std::string_view controlName, std::string_view folder1,
                                  std::string_view folder2);

// True for a name ending in ".lnk" in any ASCII letter case.
bool IsShortcutPath(std::string_view path);

// The folder that holds a file: without a trailing "\", except a drive root such as "C:\".
Text FolderOfFile(std::string_view path);

struct DropMarks {
  std::array<bool, 2> field{};  // which folder fields the drop reaches
  Text dropPath;                // the last item after its shortcuts; "" when it was unusable
};

// Looks at every item in the order given, with the field texts as they stand.
DropMarks ClassifyDrop(std::span<const DroppedItem> items, std::string_view folder1,
                       std::string_view folder2, const DropDisk& disk);

// The folder a reached field takes for the drop path; nullopt when the path names nothing now.
std::optional<Text> FolderToSet(const Text& dropPath, const DropDisk& disk);

}  // namespace tokiwake
