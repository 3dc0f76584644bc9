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

#include "media/ByteSource.h"
#include "media/CalendarTime.h"
#include "text/SjisText.h"

namespace tokiwake {

// A time of the local clock, to the second.
using LocalTime = CalendarTime;

// What tells a file from another one that has taken its name since: its size, its last-write time
// and, where the disk gives one, its index on its volume.
struct FileIdentity {
  uint64_t size = 0;
  uint64_t lastWrite = 0;  // 100-ns ticks since 1601 (UTC), as the disk keeps it
  uint64_t volume = 0;
  uint64_t index = 0;  // 0: the disk gave none
  bool operator==(const FileIdentity&) const = default;
  // The index counts where both have one: a name given by the listing and the file opened later.
  bool SameFileAs(const FileIdentity& other) const {
    const bool indexed = index != 0 && other.index != 0;
    return size == other.size && lastWrite == other.lastWrite &&
           (!indexed || (index == other.index && volume == other.volume));
  }
};

struct FolderEntry {
  Text name;       // code page 932; a character it cannot hold shows as "?"
  bool exactName;  // false when `name` is not the name on disk, so it must not be used as a path
  bool isDirectory;
  LocalTime lastWrite;
  bool isLink = false;  // a folder that is a symbolic link or junction to another folder
  FileIdentity identity;
};

// The last bytes of a file, when it is longer than what is asked for.
struct FileTail {
  Text bytes;
  bool cut = false;  // the file holds more before them
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

// A file open for reading its date, closed when the object goes.
class ReadableFile : public ByteSource {
 public:
  virtual ~ReadableFile() = default;
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
  // the file's own name is a rename like any other. `file` is the file as the caller knows it,
  // for the journal of the run.
  virtual bool RenameFile(const Text& from, const Text& to, const FileIdentity& file) = 0;
  // Nothing for a folder, or for a file that cannot be opened to ask.
  virtual std::optional<FileIdentity> IdentifyFile(const Text& path) = 0;

  // The list file is replaced whole; a failed step is told by the write that follows it.
  virtual void RemoveFile(const Text& path) = 0;
  // Create, one write, close; true when all three went through.
  virtual bool WriteNewFile(const Text& path, const Text& bytes) = 0;
  virtual void SetHiddenOnly(const Text& path) = 0;  // hidden, every other attribute cleared

  // The journal: opened for appending, made hidden when it has to be created; null when that fails.
  virtual std::unique_ptr<AppendFile> OpenHiddenForAppend(const Text& path) = 0;
  // The journal cut down after an undo: written beside the old one and then put in its place, so
  // that a kill or a failure part-way leaves the old one whole. True when it went through.
  virtual bool ReplaceHiddenFile(const Text& path, const Text& bytes) = 0;
  // The local date and time now, for the journal's header of a run.
  virtual LocalTime LocalNow() = 0;
  // The local time of a UTC instant, by the rules of the time zone in force on that date (not the
  // daylight-saving rule of today).
  virtual LocalTime LocalFromUtc(const CalendarTime& utc) = 0;
  // Null when the file cannot be opened (locked, no permission, gone).
  virtual std::unique_ptr<ReadableFile> OpenForReading(const Text& path) = 0;

  // A file's last `limit` bytes (all of a shorter one); nothing when it is missing or cannot be
  // read.
  virtual std::optional<FileTail> ReadFileTail(const Text& path, uint64_t limit) = 0;

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
  bool RenameFile(const Text& from, const Text& to, const FileIdentity& file) override;
  std::optional<FileIdentity> IdentifyFile(const Text& path) override;
  void RemoveFile(const Text& path) override;
  bool WriteNewFile(const Text& path, const Text& bytes) override;
  void SetHiddenOnly(const Text& path) override;
  std::unique_ptr<AppendFile> OpenHiddenForAppend(const Text& path) override;
  bool ReplaceHiddenFile(const Text& path, const Text& bytes) override;
  std::optional<FileTail> ReadFileTail(const Text& path, uint64_t limit) override;
  LocalTime LocalNow() override;
  LocalTime LocalFromUtc(const CalendarTime& utc) override;
  std::unique_ptr<ReadableFile> OpenForReading(const Text& path) override;

 private:
  struct VolumeMemo {
    Text folder;
    uint64_t serial;
    uint64_t askedAt;  // milliseconds of the system's tick count
  };
  std::optional<uint64_t> VolumeOfFolder(const Text& folder);
  std::optional<VolumeMemo> volumeMemo_;
};

}  // namespace tokiwake
