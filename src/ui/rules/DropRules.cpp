#include "ui/rules/DropRules.h"

#include "text/Paths.h"

namespace tokiwake {

namespace {

constexpr char kFolder1Name[] = "txt_Directory0";
constexpr char kFolder2Name[] = "txt_Directory1";
constexpr char kShortcutEnding[] = ".lnk";
constexpr int32_t kShortcutEndingBytes = 4;
constexpr size_t kDriveRootBytes = 3;  // "C:\"

bool Usable(const DroppedItem& item) {
  return item.exact && !item.path.empty() && item.path.size() <= kMaxDroppedPathBytes;
}

// Follows shortcuts from the path in `dropPath` until something that is not one; true when that
// is an existing folder or file. A shortcut that cannot be read, points nowhere or leads through
// too many shortcuts leaves `dropPath` empty.
bool ResolvesToSomething(Text& dropPath, const DropDisk& disk) {
  for (int steps = 0;; ++steps) {
    const PathKind kind = disk.KindOf(dropPath);
    if (kind == PathKind::kNothing) return false;
    if (kind == PathKind::kFolder || !IsShortcutPath(dropPath)) return true;
    std::optional<Text> target;
    if (steps < kMaxShortcutSteps) target = disk.ShortcutTarget(dropPath);
    if (!target || target->empty()) {
      dropPath.clear();
      return false;
    }
    dropPath = std::move(*target);
  }
}

}  // namespace

std::optional<int> DropFieldIndex(std::string_view controlName, std::string_view folder1,
                                  std::string_view folder2) {
  if (controlName == kFolder1Name) return 0;
  if (controlName == kFolder2Name) return 1;
  if (folder1.empty() && folder2.empty()) return 0;
  return std::nullopt;
}

bool IsShortcutPath(std::string_view path) {
  return path.size() >= kShortcutEndingBytes &&
         AsciiLower(RightChars(kShortcutEndingBytes, path)) == kShortcutEnding;
}

Text FolderOfFile(std::string_view path) {
  Text folder = WithTrailingBackslash(FolderPart(path));
  if (folder.size() > kDriveRootBytes) folder.pop_back();
  return folder;
}

DropMarks ClassifyDrop(std::span<const DroppedItem> items, std::string_view folder1,
                       std::string_view folder2, const DropDisk& disk) {
  DropMarks marks;
  for (const DroppedItem& item : items) {
    // An unusable path must not reach the fields, not even as the last item's path.
    marks.dropPath = Usable(item) ? item.path : Text();
    if (marks.dropPath.empty()) continue;
    const std::optional<int> index = DropFieldIndex(item.controlName, folder1, folder2);
    if (!index) continue;
    if (ResolvesToSomething(marks.dropPath, disk)) marks.field[static_cast<size_t>(*index)] = true;
  }
  return marks;
}

std::optional<Text> FolderToSet(const Text& dropPath, const DropDisk& disk) {
  switch (disk.KindOf(dropPath)) {
    case PathKind::kFolder:
      return dropPath;
    case PathKind::kFile:
      return FolderOfFile(dropPath);
    case PathKind::kNothing:
      break;
  }
  return std::nullopt;
}

}  // namespace tokiwake
