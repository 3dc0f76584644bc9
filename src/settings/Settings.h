// The files beside the program that keep the user's choices from one start to the next: the
// extension list, the pattern and the options. Each is read whole through ReadWholeFile and written
// whole through WriteWholeFile; their formats are SettingsText.h and Options.h. The Windows half is
// Settings_win32.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/Options.h"
#include "settings/ProgramFacts.h"  // the files' names
#include "text/SjisText.h"

namespace tokiwake {

// Many times larger than any settings file the program writes (a list of masks typed one by one,
// a pattern): a larger file is not read, and so not replaced. The bound also keeps the start-up
// short: each mask is an item of the extension list, and a list of a hundred thousand items takes
// the better part of a minute to fill under Wine.
inline constexpr uint64_t kMaxSettingsFileSize = uint64_t{64} << 10;

// A settings file that is there but could not be read (locked, no permission, larger than
// kMaxSettingsFileSize) still holds the user's choices: the defaults that stand in for it must not
// be written over it, and the user is told at start-up (`unreadable`).

// The masks stored at `path`, for the list to take in place of its own (each item ticked). A
// missing file gives nullopt: the list keeps what it has. A file that cannot be read gives an
// empty list.
struct LoadedMasks {
  std::optional<std::vector<Text>> items;
  bool unreadable = false;
};
LoadedMasks LoadSettings(const Text& path);

// Writes the masks to `path`, each ended by CR LF; an empty path writes nothing. Failures are
// silent.
void SaveSettings(const Text& path, const std::vector<Text>& items);

// The first line of the pattern stored at `path`; "" for a missing file and for one that cannot be
// read.
struct LoadedPattern {
  Text pattern;
  bool unreadable = false;
};
LoadedPattern LoadPattern(const Text& path);

// Writes the pattern to `path` as it stands, without a line end. Failures are silent.
void SavePattern(const Text& path, const Text& pattern);

// The options stored at `path`; the defaults (off, no correction) for a missing file and for one
// that cannot be read.
struct LoadedOptions {
  Options options;
  bool exists = false;
  bool unreadable = false;
};
LoadedOptions LoadOptions(const Text& path);

// Failures are silent.
void SaveOptions(const Text& path, const Options& options);

}  // namespace tokiwake
