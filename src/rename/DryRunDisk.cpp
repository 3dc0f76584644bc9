#include "rename/DryRunDisk.h"

namespace tokiwake {

namespace {

bool IsSeparator(char byte) { return byte == '\\' || byte == '/'; }

// As the disk compares paths: blind to the case of single-byte letters, "/" and doubled
// separators the same as one "\", no separator at the end. Character by character, so that a
// trail byte 0x5C (as in ソ) is never taken for a separator.
Text PathKey(std::string_view path) {
  Text key;
  bool afterSeparator = false;
  for (size_t i = 0, length = 0; i < path.size(); i += length) {
    length = CharLength(path, i);
    if (length == 2) {
      key.append(path.substr(i, 2));
      afterSeparator = false;
      continue;
    }
    const bool separator = IsSeparator(path[i]);
    if (separator && afterSeparator) continue;
    key += separator ? '\\' : path[i];
    afterSeparator = separator;
  }
  if (afterSeparator && key.size() > 1) key.pop_back();
  return AsciiLower(key);
}

// A path cut into its folder, as given, and the keys of that folder and of the name in it.
struct Place {
  Text folder;
  Text folderKey;
  Text nameKey;
};

// The last name of the path, separators after it left out, and the folder before it.
Place PlaceOf(std::string_view path) {
  size_t start = 0;      // where the last name begins
  size_t end = 0;        // just after its last character
  size_t nextStart = 0;  // where a name would begin after the separators met since
  for (size_t i = 0, length = 0; i < path.size(); i += length) {
    length = CharLength(path, i);
    if (length == 1 && (IsSeparator(path[i]) || path[i] == ':')) {
      nextStart = i + 1;
      continue;
    }
    start = nextStart;
    end = i + length;
  }
  Text folder(path.substr(0, start));
  Text nameKey = AsciiLower(path.substr(start, end - start));
  Text folderKey = PathKey(folder);
  return {std::move(folder), std::move(folderKey), std::move(nameKey)};
}

}  // namespace

DryRunDisk::Folder& DryRunDisk::Read(const Text& folderKey, const Text& folder) {
  auto [found, added] = folders_.try_emplace(folderKey);
  Folder& read = found->second;
  if (!added) return read;
  read.listing = Inner().ListFolder(folder);
  for (const FolderEntry& entry : read.listing) {
    // A name that came back altered is no path to anything.
    if (entry.exactName) read.names.try_emplace(AsciiLower(entry.name), Slot{Kind::kListed, entry});
  }
  return read;
}

const DryRunDisk::Slot* DryRunDisk::Find(const Text& path) {
  const Place place = PlaceOf(path);
  if (place.nameKey.empty()) return nullptr;
  const Folder& folder = Read(place.folderKey, place.folder);
  const auto slot = folder.names.find(place.nameKey);
  if (slot == folder.names.end() || slot->second.kind == Kind::kRenamedAway) return nullptr;
  return &slot->second;
}

std::vector<FolderEntry> DryRunDisk::ListFolder(const Text& folder) {
  const Folder& read = Read(PathKey(folder), folder);
  std::vector<FolderEntry> entries;
  for (const FolderEntry& entry : read.listing) {
    const auto slot = read.names.find(AsciiLower(entry.name));
    if (!entry.exactName || slot == read.names.end() || slot->second.kind == Kind::kListed) {
      entries.push_back(entry);
    }
  }
  for (const auto& [name, slot] : read.names) {
    if (slot.kind == Kind::kRenamedTo) entries.push_back(slot.entry);
  }
  return entries;
}

bool DryRunDisk::FileExists(const Text& path) {
  const Slot* slot = Find(path);
  return slot != nullptr && !slot->entry.isDirectory;
}

// A new letter case of the file's own name is a rename like any other.
bool DryRunDisk::RenameFile(const Text& from, const Text& to, const FileIdentity&) {
  const Slot* found = Find(from);
  if (found == nullptr || found->entry.isDirectory) return false;
  const Slot* taken = Find(to);
  if (taken != nullptr && taken != found) return false;
  const Place source = PlaceOf(from);
  const Place target = PlaceOf(to);
  FolderEntry entry = found->entry;
  entry.name = to.substr(target.folder.size(), target.nameKey.size());
  folders_[source.folderKey].names.insert_or_assign(source.nameKey, Slot{Kind::kRenamedAway, {}});
  folders_[target.folderKey].names.insert_or_assign(target.nameKey, Slot{Kind::kRenamedTo, entry});
  return true;
}

}  // namespace tokiwake
