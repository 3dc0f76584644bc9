// Whole-file input and output for the files the program keeps beside itself. Paths and contents
// are code page 932 bytes. Failures are returned, never shown: what to tell the user, if anything,
// is the caller's choice.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// What reading a whole file found.
struct FileRead {
  bool exists = false;    // a file stands at the path (a folder there is no file)
  bool readable = false;  // and its contents were read whole
  Text text;              // up to the first NUL; "" unless readable
};
// The file's text up to its first NUL byte. A missing file is no failure; a file that is there but
// cannot be opened, sized, read or closed (locked, no permission) or is larger than `limit` bytes
// is, and so is something at the path that refuses even to be looked at.
FileRead ReadWholeFile(const Text& path, uint64_t limit);

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
