// The two files beside the program that keep the user's choices from one start to the next.
#pragma once

#include <optional>
#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// The extension list's masks, one per line.
inline constexpr char kListFileName[] = "dCamFlist.dat";
// The name pattern, as typed.
inline constexpr char kFormatFileName[] = "リネームフォーマット.dat";

// The items stored at `path`, for the list to take in place of its own (each item ticked). A
// missing file gives nullopt: the list keeps what it has. A file that cannot be read shows the
// "File Error" box and gives an empty list.
std::optional<std::vector<Text>> LoadSettings(const Text& path);

// Writes the items to `path`, each ended by CR LF; an empty path writes nothing. Failures are
// silent.
void SaveSettings(const Text& path, const std::vector<Text>& items);

}  // namespace tokiwake
