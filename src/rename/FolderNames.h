// The names one folder holds as its walk knows them: its listing, and the renames made in it since,
// compared as the disk compares them, blind to the case of single-byte letters. Asking the disk
// instead costs a system call a name, and a folder of a thousand photos of one day would ask it
// half a million times.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "rename/DigestSet.h"
#include "rename/FileSystem.h"
#include "rename/NamePattern.h"
#include "text/SjisText.h"

namespace tokiwake {

class FolderNames {
 public:
  // The folder's files; a subfolder's name is no file's, and a rename to it is refused by the disk.
  explicit FolderNames(const std::vector<FolderEntry>& entries);

  enum class Holder { kNone, kBefore, kThisRun };
  // Who holds the name: a file that was there before the run, or one the run named. A name is kept
  // as a 64-bit digest: two names with one digest cost one counter value skipped.
  Holder Holds(const Text& name) const;
  // A name found taken on the disk after the listing.
  void Add(const Text& name);
  // A file of the folder gave up `from` for `to`.
  void Renamed(const Text& from, const Text& to);

  // Where the counter search for a name of this template starts: every value below it has been
  // found taken (and whether by a name that was there before the run). So the search for the
  // files of one day costs their number, not its square.
  struct Start {
    int32_t counter = 1;
    bool inTheWay = false;
  };
  Start FirstToTry(const NameTemplate& name) const;
  // The search that started at FirstToTry found `counter` free and took it.
  void Took(const NameTemplate& name, int32_t counter, bool inTheWay);

 private:
  struct KnownStart {
    NameTemplate lowered;  // to learn whether a name given up is one of its values
    Start start;
  };
  static Text Key(const NameTemplate& name);
  void GaveUp(const Text& name);

  DigestSet before_;   // names of files that were there before the run
  DigestSet thisRun_;  // names the run gave
  std::unordered_map<Text, KnownStart> starts_;
};

}  // namespace tokiwake
