// The disk for the rename run, through the wide functions and the code page 932 conversion.
#pragma once

#include "rename/FileSystem.h"

namespace tokiwake {

class DiskFileSystem final : public FileSystem {
 public:
  std::vector<FolderEntry> ListFolder(const Text& folder) override;
  bool FileExists(const Text& path) override;
  bool FolderExists(const Text& path) override;
  bool RenameFile(const Text& from, const Text& to) override;
  void RemoveFile(const Text& path) override;
  void WriteNewFile(const Text& path, const Text& bytes) override;
  void SetHiddenOnly(const Text& path) override;
};

}  // namespace tokiwake
