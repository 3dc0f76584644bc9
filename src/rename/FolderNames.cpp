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
FolderNames::FolderNames(const std::vector<FolderEntry>& entries)
    : before_(entries.size()), thisRun_(entries.size()) {
  for (const FolderEntry& entry : entries) {
    if (!entry.isDirectory) before_.insert(Digest(entry.name));
  }
}

FolderNames::Holder FolderNames::Holds(const Text& name) const {
  const uint64_t digest = Digest(name);
  if (before_.contains(digest)) return Holder::kBefore;
  return thisRun_.contains(digest) ? Holder::kThisRun : Holder::kNone;
}

void FolderNames::Add(const Text& name) { before_.insert(Digest(name)); }

void FolderNames::Renamed(const Text& from, const Text& to) {
  before_.erase(Digest(from));
  thisRun_.erase(Digest(from));
  thisRun_.insert(Digest(to));
  GaveUp(from);
}

// A value given up below a template's start is free again, and the lowest free value comes first.
void FolderNames::GaveUp(const Text& name) {
  if (starts_.size() > kMatchedStarts) {
    starts_.clear();
    return;
  }
  for (auto& [key, known] : starts_) {
    const std::optional<int32_t> counter = CounterOf(known.lowered, AsciiLower(name));
    if (counter && *counter < known.start.counter) known.start.counter = *counter;
  }
}

FolderNames::Start FolderNames::FirstToTry(const NameTemplate& name) const {
  const auto found = starts_.find(Key(name));
  return found == starts_.end() ? Start{} : found->second.start;
}

void FolderNames::Took(const NameTemplate& name, int32_t counter, bool inTheWay) {
  NameTemplate lowered = name;
  lowered.literal = AsciiLower(name.literal);
  lowered.fill = AsciiLower(name.fill);
  starts_.insert_or_assign(Key(name), KnownStart{std::move(lowered), {counter + 1, inTheWay}});
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
