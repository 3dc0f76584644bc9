// A disk that passes every call on to another one; a disk that changes a few of them derives from
// it and overrides just those.
#pragma once

#include "rename/FileSystem.h"

namespace tokiwake {

class ForwardingDisk : public FileSystem {
 public:
  explicit ForwardingDisk(FileSystem& disk) : disk_(disk) {}

  std::vector<FolderEntry> ListFolder(const Text& folder) override {
    return disk_.ListFolder(folder);
  }
  std::optional<FolderId> IdentifyFolder(const Text& folder) override {
    return disk_.IdentifyFolder(folder);
  }
  bool FileExists(const Text& path) override { return disk_.FileExists(path); }
  bool FolderExists(const Text& path) override { return disk_.FolderExists(path); }
  bool RenameFile(const Text& from, const Text& to, const FileIdentity& file) override {
    return disk_.RenameFile(from, to, file);
  }
  std::optional<FileIdentity> IdentifyFile(const Text& path) override {
    return disk_.IdentifyFile(path);
  }
  void RemoveFile(const Text& path) override { disk_.RemoveFile(path); }
  bool WriteNewFile(const Text& path, const Text& bytes) override {
    return disk_.WriteNewFile(path, bytes);
  }
  void SetHiddenOnly(const Text& path) override { disk_.SetHiddenOnly(path); }
  std::unique_ptr<AppendFile> OpenHiddenForAppend(const Text& path) override {
    return disk_.OpenHiddenForAppend(path);
  }
  bool ReplaceHiddenFile(const Text& path, const Text& bytes) override {
    return disk_.ReplaceHiddenFile(path, bytes);
  }
  LocalTime LocalNow() override { return disk_.LocalNow(); }
  LocalTime LocalFromUtc(const CalendarTime& utc) override { return disk_.LocalFromUtc(utc); }
  std::unique_ptr<ReadableFile> OpenForReading(const Text& path) override {
    return disk_.OpenForReading(path);
  }
  std::optional<FileTail> ReadFileTail(const Text& path, uint64_t limit) override {
    return disk_.ReadFileTail(path, limit);
  }

 protected:
  ~ForwardingDisk() = default;
  FileSystem& Inner() { return disk_; }

 private:
  FileSystem& disk_;
};

}  // namespace tokiwake
