// An in-memory disk that behaves as Windows does where the walk depends on it: names compare
// without regard to case, a folder lists in name order, a rename never replaces.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "rename/FileSystem.h"

namespace tokiwake::test {

struct FakeNode {
  Text name;
  bool isDirectory = false;
  bool exactName = true;
  bool refuseRename = false;  // read-only or in use: neither renamed, written nor removed
  bool locked = false;        // held open by another program: not even read
  int renames = 0;
  bool hidden = false;
  LocalTime lastWrite;
  Text content;
  uint64_t index = 0;  // its file index, given when it is made
  // A folder that leads to the folder at this path. Windows marks symbolic links and junctions as
  // links; a link that the disk does not mark (a Unix one under Wine) lists as a plain folder.
  Text linkTarget;
  bool markedAsLink = true;
  std::vector<std::unique_ptr<FakeNode>> children;
};

class FakeDisk : public FileSystem {
 public:
  FakeDisk() { root_.isDirectory = true; }
  FakeNode& AddFolder(const Text& path) { return Make(path, true); }
  FakeNode& AddFile(const Text& path, LocalTime time = {2010, 5, 23, 10, 20, 30}) {
    FakeNode& node = Make(path, false);
    node.lastWrite = time;
    return node;
  }
  FakeNode& AddLink(const Text& path, const Text& target, bool marked = true) {
    FakeNode& node = Make(path, true);
    node.linkTarget = target;
    node.markedAsLink = marked;
    return node;
  }
  // A name that came back from the conversion with "?" in it; no path reaches it.
  FakeNode& AddInexact(const Text& folder, const Text& shownName, bool isDirectory) {
    FakeNode& node = Make(folder + "\\" + shownName, isDirectory);
    node.exactName = false;
    node.lastWrite = {2010, 5, 23, 10, 20, 30};
    return node;
  }
  FakeNode* Find(const Text& path) {
    FakeNode* node = &root_;
    for (const Text& part : Parts(path)) {
      node = Child(*node, part);
      if (node == nullptr) return nullptr;
      if (!node->linkTarget.empty()) node = Find(node->linkTarget);
      if (node == nullptr) return nullptr;
    }
    return node == &root_ ? nullptr : node;
  }
  std::vector<Text> Names(const Text& folder) {
    std::vector<Text> names;
    for (const FolderEntry& entry : ListFolder(folder)) names.push_back(entry.name);
    return names;
  }
  int renameCalls = 0;
  std::vector<Text> listed;

  std::vector<FolderEntry> ListFolder(const Text& folder) override {
    listed.push_back(folder);
    std::vector<FolderEntry> entries;
    const FakeNode* node = Find(folder);
    if (node == nullptr || !node->isDirectory) return entries;
    for (const auto& child : node->children) {
      const bool link = !child->linkTarget.empty() && child->markedAsLink;
      entries.push_back({child->name, child->exactName, child->isDirectory, child->lastWrite, link,
                         Identity(*child)});
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
      return AsciiUpper(a.name) < AsciiUpper(b.name);
    });
    return entries;
  }
  std::optional<FolderId> IdentifyFolder(const Text& folder) override {
    const FakeNode* node = Find(folder);
    if (node == nullptr || !node->isDirectory) return std::nullopt;
    return FolderId{1, reinterpret_cast<uintptr_t>(node)};
  }
  bool FileExists(const Text& path) override {
    const FakeNode* node = Find(path);
    return node != nullptr && !node->isDirectory;
  }
  bool FolderExists(const Text& path) override {
    const FakeNode* node = Find(path);
    return node != nullptr && node->isDirectory;
  }
  static FileIdentity Identity(const FakeNode& node) {
    const LocalTime& t = node.lastWrite;
    uint64_t written = 0;  // distinct for each time, not a real count of ticks
    for (const int32_t part : {t.year, t.month, t.day, t.hour, t.minute, t.second}) {
      written = written * 100 + static_cast<uint32_t>(part);
    }
    return {node.content.size(), written * 10'000'000, 1, node.index};
  }
  std::optional<FileIdentity> IdentifyFile(const Text& path) override {
    const FakeNode* node = Find(path);
    if (node == nullptr || node->isDirectory || node->locked) return std::nullopt;
    return Identity(*node);
  }
  bool RenameFile(const Text& from, const Text& to, const FileIdentity&) override {
    ++renameCalls;
    FakeNode* source = Find(from);
    FakeNode* target = Find(ParentOf(to));
    if (source == nullptr || source->isDirectory || source->refuseRename || source->locked) {
      return false;
    }
    if ((Find(to) != nullptr && Find(to) != source) || target == nullptr) return false;
    std::unique_ptr<FakeNode> moved = Detach(*Find(ParentOf(from)), source);
    moved->name = Parts(to).back();
    ++moved->renames;
    target->children.push_back(std::move(moved));
    return true;
  }
  void RemoveFile(const Text& path) override {
    FakeNode* node = Find(path);
    if (node != nullptr && !node->refuseRename && !node->locked) {
      Detach(*Find(ParentOf(path)), node);
    }
  }
  bool WriteNewFile(const Text& path, const Text& bytes) override {
    FakeNode* node = Find(path);
    if (node != nullptr && (node->isDirectory || node->refuseRename)) return false;
    if (node == nullptr) node = &Make(path, false);
    node->content = bytes;
    return true;
  }
  void SetHiddenOnly(const Text& path) override {
    if (FakeNode* node = Find(path)) node->hidden = true;
  }
  std::unique_ptr<AppendFile> OpenHiddenForAppend(const Text& path) override {
    FakeNode* node = Find(path);
    if (node != nullptr && (node->isDirectory || node->refuseRename || node->locked)) {
      return nullptr;
    }
    if (node == nullptr) {
      node = &Make(path, false);
      node->hidden = true;
    }
    return std::make_unique<Appender>(*this, path);
  }
  // All or nothing, as a new file put in the old one's place.
  bool ReplaceHiddenFile(const Text& path, const Text& bytes) override {
    FakeNode* node = Find(path);
    if (node != nullptr && (node->isDirectory || node->refuseRename || node->locked)) return false;
    if (appendsLeft == 0) return false;
    if (node == nullptr) node = &Make(path, false);
    node->content = bytes;
    node->hidden = true;
    return true;
  }
  LocalTime LocalNow() override { return {2026, 12, 8, 9, 5, 3}; }
  // The disk's zone is nine hours ahead of UTC, as Tokyo is.
  LocalTime LocalFromUtc(const CalendarTime& utc) override { return AddSeconds(utc, 9 * 3600); }
  std::unique_ptr<ReadableFile> OpenForReading(const Text& path) override {
    const FakeNode* node = Find(path);
    if (node == nullptr || node->isDirectory || node->locked) return nullptr;
    return std::make_unique<Reader>(node->content);
  }
  std::optional<FileTail> ReadFileTail(const Text& path, uint64_t limit) override {
    const FakeNode* node = Find(path);
    if (node == nullptr || node->isDirectory || node->locked) return std::nullopt;
    const size_t start = node->content.size() > limit ? node->content.size() - limit : 0;
    return FileTail{node->content.substr(start), start > 0};
  }
  // Writes to the journal after this many are refused.
  int appendsLeft = -1;

 private:
  class Reader final : public ReadableFile {
   public:
    explicit Reader(Text bytes) : bytes_(std::move(bytes)) {}
    uint64_t Size() const override { return bytes_.size(); }
    bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
      return MemorySource(bytes_).ReadAt(offset, count, out);
    }

   private:
    Text bytes_;
  };
  class Appender final : public AppendFile {
   public:
    Appender(FakeDisk& disk, Text path) : disk_(disk), path_(std::move(path)) {}
    bool Append(std::string_view bytes) override {
      FakeNode* node = disk_.Find(path_);
      if (node == nullptr || disk_.appendsLeft == 0) return false;
      if (disk_.appendsLeft > 0) --disk_.appendsLeft;
      node->content.append(bytes);
      return true;
    }

   private:
    FakeDisk& disk_;
    Text path_;
  };

  static std::vector<Text> Parts(Text path) {
    std::vector<Text> parts;
    while (!path.empty()) {
      Text part = SplitHead("\\", path);
      if (!part.empty()) parts.push_back(part);
    }
    return parts;
  }
  static Text ParentOf(const Text& path) {
    std::vector<Text> parts = Parts(path);
    Text parent;
    for (size_t i = 0; i + 1 < parts.size(); ++i) parent += parts[i] + "\\";
    return parent;
  }
  static FakeNode* Child(FakeNode& folder, const Text& name) {
    for (const auto& child : folder.children) {
      if (child->exactName && AsciiUpper(child->name) == AsciiUpper(name)) return child.get();
    }
    return nullptr;
  }
  static std::unique_ptr<FakeNode> Detach(FakeNode& folder, FakeNode* node) {
    auto it = std::find_if(folder.children.begin(), folder.children.end(),
                           [node](const auto& child) { return child.get() == node; });
    std::unique_ptr<FakeNode> detached = std::move(*it);
    folder.children.erase(it);
    return detached;
  }
  FakeNode& Make(const Text& path, bool isDirectory) {
    FakeNode* node = &root_;
    const std::vector<Text> parts = Parts(path);
    for (size_t i = 0; i < parts.size(); ++i) {
      FakeNode* next = Child(*node, parts[i]);
      if (next == nullptr) {
        node->children.push_back(std::make_unique<FakeNode>());
        next = node->children.back().get();
        next->name = parts[i];
        next->isDirectory = i + 1 < parts.size() || isDirectory;
        next->index = ++made_;
      }
      node = next;
    }
    return *node;
  }
  FakeNode root_;
  uint64_t made_ = 0;
};

}  // namespace tokiwake::test
