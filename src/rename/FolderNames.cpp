#include "rename/FolderNames.h"

#include <functional>
#include <string>

namespace tokiwake {

namespace {

uint64_t Digest(const Text& name) { return std::hash<Text>{}(AsciiLower(name)); }

// Past this many templates a name given up clears them all instead of being matched with each:
// a pattern with seconds has one template a file, and each then holds one or two values.
constexpr size_t kMatchedStarts = 16;

}  // namespace

// Room is made at once for every file to be renamed once.
FolderNames::FolderNames(const std::vector<FolderEntry>& entries) : digests_(2 * entries.size()) {
  for (const FolderEntry& entry : entries) {
    if (!entry.isDirectory) digests_.insert(Digest(entry.name));
  }
}

bool FolderNames::Holds(const Text& name) const { return digests_.contains(Digest(name)); }

void FolderNames::Add(const Text& name) { digests_.insert(Digest(name)); }

void FolderNames::Renamed(const Text& from, const Text& to) {
  digests_.erase(Digest(from));
  digests_.insert(Digest(to));
  GaveUp(from);
}

// A value given up below a template's start is free again, and the lowest free value comes first.
void FolderNames::GaveUp(const Text& name) {
  if (starts_.size() > kMatchedStarts) {
    starts_.clear();
    return;
  }
  for (auto& [key, start] : starts_) {
    const std::optional<int32_t> counter = CounterOf(start.lowered, AsciiLower(name));
    if (counter && *counter < start.counter) start.counter = *counter;
  }
}

int32_t FolderNames::FirstToTry(const NameTemplate& name) const {
  const auto found = starts_.find(Key(name));
  return found == starts_.end() ? 1 : found->second.counter;
}

void FolderNames::Took(const NameTemplate& name, int32_t counter) {
  NameTemplate lowered = name;
  lowered.literal = AsciiLower(name.literal);
  lowered.fill = AsciiLower(name.fill);
  starts_.insert_or_assign(Key(name), Start{std::move(lowered), counter + 1});
}

// Names that differ only in the case of their letters are one name on the disk.
Text FolderNames::Key(const NameTemplate& name) {
  Text key = AsciiLower(name.literal);
  key += '\0';
  for (const size_t at : name.counterAt) key += std::to_string(at) + ",";
  key += std::to_string(name.width) + "," + AsciiLower(name.fill);
  return key;
}

}  // namespace tokiwake
