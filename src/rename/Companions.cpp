#include "rename/Companions.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tokiwake {

namespace {

// Still images first, in this order, then movies.
constexpr std::array<std::string_view, 34> kStills = {
    "jpg", "jpeg", "jpe", "heic", "heif", "hif",  "avif", "cr2",  "cr3", "crw", "nef", "nrw",
    "arw", "sr2",  "srf", "dng",  "orf",  "rw2",  "raf",  "pef",  "srw", "3fr", "erf", "kdc",
    "mrw", "x3f",  "iiq", "rwl",  "tif",  "tiff", "png",  "webp", "gif", "bmp"};
constexpr std::array<std::string_view, 11> kMovies = {"mov", "mp4",  "m4v", "3gp",  "3g2", "avi",
                                                      "mts", "m2ts", "mpg", "mpeg", "wmv"};
constexpr std::array<std::string_view, 5> kSidecars = {"xmp", "aae", "thm", "pp3", "dop"};

// Where each "." stands in the name, never inside a double-byte character.
std::vector<size_t> Dots(std::string_view name) {
  std::vector<size_t> dots;
  for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (name[i] == '.') dots.push_back(i);
  }
  return dots;
}

std::optional<size_t> LastDot(std::string_view name) {
  const std::vector<size_t> dots = Dots(name);
  if (dots.empty()) return std::nullopt;
  return dots.back();
}

Text LastExtension(std::string_view name) {
  const std::optional<size_t> dot = LastDot(name);
  return dot ? AsciiLower(name.substr(*dot + 1)) : Text();
}

// Lower ranks go first; a sidecar never leads a group it only follows.
size_t Rank(std::string_view name) {
  if (IsSidecar(name)) return kStills.size() + 2;
  const Text extension = LastExtension(name);
  const auto still = std::find(kStills.begin(), kStills.end(), extension);
  if (still != kStills.end()) return static_cast<size_t>(still - kStills.begin());
  const bool movie = std::find(kMovies.begin(), kMovies.end(), extension) != kMovies.end();
  return movie ? kStills.size() : kStills.size() + 1;
}

}  // namespace

bool IsSidecar(std::string_view name) {
  const Text extension = LastExtension(name);
  return std::find(kSidecars.begin(), kSidecars.end(), extension) != kSidecars.end();
}

std::vector<CompanionGroup> FormGroups(const std::vector<FolderEntry>& entries,
                                       const std::function<bool(const FolderEntry&)>& isTarget,
                                       const std::function<bool(const FolderEntry&)>& skip) {
  std::unordered_map<Text, size_t> byStem;  // the stem as the disk compares it
  std::vector<CompanionGroup> groups;
  for (size_t i = 0; i < entries.size(); ++i) {
    const FolderEntry& entry = entries[i];
    if (entry.isDirectory || !entry.exactName || skip(entry) || !isTarget(entry)) continue;
    if (IsSidecar(entry.name)) continue;
    const std::optional<size_t> dot = LastDot(entry.name);
    if (!dot || *dot == 0) continue;
    const Text stem = entry.name.substr(0, *dot);
    if (byStem.emplace(AsciiLower(stem), groups.size()).second) groups.push_back({stem, i, {}});
  }
  if (groups.empty()) return {};
  for (size_t i = 0; i < entries.size(); ++i) {
    const FolderEntry& entry = entries[i];
    if (entry.isDirectory || !entry.exactName || skip(entry)) continue;
    const Text key = AsciiLower(entry.name);
    const std::vector<size_t> dots = Dots(key);
    for (auto dot = dots.rbegin(); dot != dots.rend(); ++dot) {
      const auto found = byStem.find(key.substr(0, *dot));
      if (found == byStem.end()) continue;
      groups[found->second].members.push_back(i);
      break;
    }
  }
  std::vector<CompanionGroup> formed;
  for (CompanionGroup& group : groups) {
    if (group.members.size() < 2) continue;
    size_t best = group.members.front();
    bool found = false;
    for (const size_t member : group.members) {
      if (!isTarget(entries[member])) continue;
      if (!found || Rank(entries[member].name) < Rank(entries[best].name)) best = member;
      found = true;
    }
    group.principal = best;
    group.stem = entries[best].name.substr(0, group.stem.size());
    formed.push_back(std::move(group));
  }
  return formed;
}

}  // namespace tokiwake
