// The disk a preview runs the walk against: it lists the real folders, but keeps its renames to
// itself, so the walk meets every name it has given as if the file had been renamed, and nothing
// on the disk changes. A folder test goes to the disk: no rename makes or takes a folder.
#pragma once

#include <map>
#include <unordered_map>

#include "rename/ForwardingDisk.h"

namespace tokiwake {

class DryRunDisk final : public ForwardingDisk {
 public:
  explicit DryRunDisk(FileSystem& disk) : ForwardingDisk(disk) {}

  std::vector<FolderEntry> ListFolder(const Text& folder) override;
  bool FileExists(const Text& path) override;
  // Refused where the real rename would be: the file is not there, or its new name is another's.
  bool RenameFile(const Text& from, const Text& to, const FileIdentity& file) override;

  // Nothing is written.
  void RemoveFile(const Text&) override {}
  bool WriteNewFile(const Text&, const Text&) override { return false; }
  void SetHiddenOnly(const Text&) override {}
  std::unique_ptr<AppendFile> OpenHiddenForAppend(const Text&) override { return nullptr; }
  bool ReplaceHiddenFile(const Text&, const Text&) override { return false; }

 private:
  enum class Kind { kListed, kRenamedAway, kRenamedTo };
  struct Slot {
    Kind kind;
    FolderEntry entry;  // as listed, or as renamed to
  };
  // A folder is read from the disk once, the first time the walk lists it or asks for a name in
  // it; after that its names are answered from here. Under Wine every test for a missing name
  // reads the whole folder, so asking the disk for each name would cost what the run costs.
  struct Folder {
    std::vector<FolderEntry> listing;  // as the disk gave it
    std::map<Text, Slot> names;        // by name as the disk compares them
  };
  Folder& Read(const Text& folderKey, const Text& folder);
  const Slot* Find(const Text& path);

  std::unordered_map<Text, Folder> folders_;
};

}  // namespace tokiwake
