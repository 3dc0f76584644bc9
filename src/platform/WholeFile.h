// Whole-file input and output for the settings files. Paths and contents are code page 932 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// The file's text up to its first NUL byte; "" for a missing file, without a message. A file that
// exists but cannot be opened, sized, read or closed shows the English "File Error" box (OK and
// Cancel, either just closes it) and gives "".
Text ReadWholeFile(const Text& path);

// What reading a settings file found.
struct FileRead {
  bool exists = false;    // a file stands at the path (a folder there is no file)
  bool readable = false;  // and its contents were read whole
  Text text;              // up to the first NUL; "" unless readable
};
// As ReadWholeFile, telling a missing file from one that is there but could not be read (locked,
// no permission, larger than kMaxSettingsFileSize). The box is shown for the second.
FileRead ReadSettingsFile(const Text& path);
// Many times larger than any settings file the program writes (a list of masks typed one by one,
// a pattern): a larger file is not read, and so not replaced. The bound also keeps the start-up
// short: each mask is an item of the extension list, and a list of a hundred thousand items takes
// the better part of a minute to fill under Wine.
inline constexpr uint64_t kMaxSettingsFileSize = uint64_t{64} << 10;

// The file's text up to its first NUL byte; nullopt when it is missing, cannot be read or is
// larger than `limit` bytes. Shows nothing.
std::optional<Text> ReadFileQuietly(const Text& path, uint64_t limit);

// Makes the file at `path` hold exactly the bytes of `text`. The new contents are written first to
// `path` + kWriteSuffix and then put in its place, so a failure part-way leaves the previous file
// whole. A read-only file is left as it is. Failures are not reported.
void WriteWholeFile(std::string_view text, const Text& path);
inline constexpr char kWriteSuffix[] = ".tmp";
// The same replacement for any file the program keeps, read-only or not, the new file hidden when
// asked; true when the file now holds `text`, false when the previous file stands as it was.
bool ReplaceWholeFile(std::string_view text, const Text& path, bool hidden);
// Removes what a write to `path` that was cut short left beside it.
void RemoveInterruptedWrite(const Text& path);

}  // namespace tokiwake
