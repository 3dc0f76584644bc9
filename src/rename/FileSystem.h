// The disk as the rename run sees it: a folder listed in one piece, existence tests, a rename that
// never overwrites, the few steps that replace the list file, and the journal of a run's renames.
// DiskFileSystem, the real disk, is the Windows half (FileSystem_win32.cpp).
#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// A last-write time already converted to local time, to the second.
struct LocalTime {
  int32_t year = 0;
  int32_t month = 0;
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

struct FolderEntry {
  Text name;       // code page 932; a character it cannot hold shows as "?"
  bool exactName;  // false when `name` is not the name on disk, so it must not be used as a path
  bool isDirectory;
  LocalTime lastWrite;
  bool isLink = false;  // a folder that is a symbolic link or junction to another folder
};

// The same for every path to one folder, whatever its spelling or the links on the way.
struct FolderId {
  uint64_t volume = 0;
  uint64_t index = 0;
  auto operator<=>(const FolderId&) const = default;
};

// A file open for appending, closed when the object goes. Each Append hands its bytes to the
// system at once, so what was appended survives a kill of the process.
class AppendFile {
 public:
  virtual ~AppendFile() = default;
  virtual bool Append(std::string_view bytes) = 0;
};

class FileSystem {
 public:
  // Every entry of the folder, hidden and system ones included, in the order the disk gives them
  // ("." and ".." may be among them). The whole listing is taken before anything is renamed, so a
  // renamed file cannot come round again. A missing or unreadable folder, or a file, lists as
  // empty.
  virtual std::vector<FolderEntry> ListFolder(const Text& folder) = 0;

  // Nothing when the folder cannot be opened to ask.
  virtual std::optional<FolderId> IdentifyFolder(const Text& folder) = 0;

  // An existing file; false for a folder and for the empty text.
  virtual bool FileExists(const Text& path) = 0;
  // An existing folder; false for a file and for the empty text. A relative text is taken from
  // the current folder.
  virtual bool FolderExists(const Text& path) = 0;
  // Fails when `to` names another file or folder in any form; never replaces. A new letter case of
  // the file's own name is a rename like any other.
  virtual bool RenameFile(const Text& from, const Text& to) = 0;

  // The list file is replaced whole; a failed step is told by the write that follows it.
  virtual void RemoveFile(const Text& path) = 0;
  // Create, one write, close; true when all three went through.
  virtual bool WriteNewFile(const Text& path, const Text& bytes) = 0;
  virtual void SetHiddenOnly(const Text& path) = 0;  // hidden, every other attribute cleared

  // The journal: created empty and hidden, replacing a file there; null when that fails.
  virtual std::unique_ptr<AppendFile> CreateHiddenFile(const Text& path) = 0;
  // The journal cut down after an undo: written beside the old one and then put in its place, so
  // that a kill or a failure part-way leaves the old one whole. True when it went through.
  virtual bool ReplaceHiddenFile(const Text& path, const Text& bytes) = 0;
  // A whole file's bytes; nothing when it is missing or cannot be read.
  virtual std::optional<Text> ReadFileBytes(const Text& path) = 0;

 protected:
  ~FileSystem() = default;
};

// The real disk, through the wide functions and the code page 932 conversion.
class DiskFileSystem final : public FileSystem {
 public:
  std::vector<FolderEntry> ListFolder(const Text& folder) override;
  std::optional<FolderId> IdentifyFolder(const Text& folder) override;
  bool FileExists(const Text& path) override;
  bool FolderExists(const Text& path) override;
  bool RenameFile(const Text& from, const Text& to) override;
  void RemoveFile(const Text& path) override;
  bool WriteNewFile(const Text& path, const Text& bytes) override;
  void SetHiddenOnly(const Text& path) override;
  std::unique_ptr<AppendFile> CreateHiddenFile(const Text& path) override;
  bool ReplaceHiddenFile(const Text& path, const Text& bytes) override;
  std::optional<Text> ReadFileBytes(const Text& path) override;
};

}  // namespace tokiwake
