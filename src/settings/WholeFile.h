// Whole-file input and output for the settings files. Paths and contents are code page 932 bytes.
#pragma once

#include <optional>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// The file's text up to its first NUL byte; "" for a missing file, without a message. A file that
// exists but cannot be opened, sized, read or closed shows the English "File Error" box (OK and
// Cancel, either just closes it) and gives "".
Text ReadWholeFile(const Text& path);

// As ReadWholeFile, but a missing file (or a folder at the path) gives nullopt.
std::optional<Text> ReadExistingFile(const Text& path);

// Makes the file at `path` hold exactly the bytes of `text`. The new contents are written first to
// `path` + kWriteSuffix and then put in its place, so a failure part-way leaves the previous file
// whole. A read-only file is left as it is. Failures are not reported.
void WriteWholeFile(std::string_view text, const Text& path);
inline constexpr char kWriteSuffix[] = ".tmp";

}  // namespace tokiwake
