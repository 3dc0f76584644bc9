// Folders, files and shortcuts dropped onto the window. The rules are in DropRules; here the drop
// is read, the control under the pointer named, and the folder fields set with the lime flash.
#include "ui/convert.h"
#include "ui/rules/DropRules.h"
#include "win32/DroppedFiles.h"
#include "win32/Shortcut.h"

namespace tokiwake {

namespace {

// The window's disk, and shortcuts read by the shell.
class DiskForDrops final : public DropDisk {
 public:
  explicit DiskForDrops(FileSystem& disk) : disk_(disk) {}
  PathKind KindOf(const Text& path) const override {
    if (disk_.FolderExists(path)) return PathKind::kFolder;
    return disk_.FileExists(path) ? PathKind::kFile : PathKind::kNothing;
  }
  std::optional<Text> ShortcutTarget(const Text& path) const override {
    Text target;
    if (!ReadShortcut(path, &target, nullptr, nullptr, nullptr)) return std::nullopt;
    return target;
  }

 private:
  FileSystem& disk_;
};

}  // namespace

void Tconv::HandleDroppedFiles(HDROP drop) {
  std::vector<DroppedItem> items;
  for (Narrowed& path : TakeDroppedPaths(drop)) {
    items.push_back({std::move(path.text), path.exact, ControlNameUnderPointer()});
  }
  const DiskForDrops disk(disk_);
  const DropMarks marks =
      ClassifyDrop(items, GetText(ids::txt_Directory0), GetText(ids::txt_Directory1), disk);
  for (size_t index = 0; index < FolderEdits.size(); ++index) {
    if (marks.field[index] && !SetDroppedFolder(index, marks.dropPath, disk)) return;
  }
}

Text Tconv::ControlNameUnderPointer() const {
  POINT pointer{};
  GetCursorPos(&pointer);
  const int id = controls_.IdOf(WindowFromPoint(pointer));
  return id == 0 ? Text() : Text(controls_.LayoutOf(id).name);
}

// False when the drop's handling ends here: folder 2 would only repeat folder 1.
bool Tconv::SetDroppedFolder(size_t index, const Text& dropPath, const DropDisk& disk) {
  const int field = controls_.IdOf(FolderEdits[index]);
  const std::optional<Text> folder = FolderToSet(dropPath, disk);
  if (!folder) {
    SetText(field, "");
    state_.CurFolder = "";
    return true;
  }
  if (field == ids::txt_Directory0) {
    if (GetText(ids::txt_Directory1) == *folder) SetText(ids::txt_Directory1, "");
  } else if (GetText(ids::txt_Directory0) == *folder) {
    SetText(ids::txt_Directory1, "");
    return false;
  }
  state_.CurFolder = *folder;
  SetText(field, *folder);
  FlashField(field);
  return true;
}

void Tconv::FlashField(int id) {
  const COLORREF remembered = controls_.Background(id);
  ShowBackgrounds({{id, kLime}});
  Sleep(kFlashFirstMs);
  ShowBackgrounds({{id, remembered}});
  Sleep(kFlashSecondMs);
  ShowBackgrounds({{id, remembered}});
  SetFocus(Control(id));
}

}  // namespace tokiwake
