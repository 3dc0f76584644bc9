// What a walk did with one target file, or with a subfolder it could not enter.
#pragma once

#include <cstdint>

#include "text/SjisText.h"

namespace tokiwake {

enum class FileResult {
  kRenamed,
  kUnchanged,          // it already bears the name the pattern gives it
  kClash,              // every name up to the last counter was taken; the file keeps its name
  kRefused,            // the rename failed; the file keeps its name
  kInexactName,        // code page 932 cannot hold the file's name, so no path reaches it
  kUnreachableFolder,  // the same for a subfolder, which is not entered
};

// Which time a name was built from.
enum class TimeOrigin {
  kLastWrite,  // the file's last-write time
  kShot,       // when the photo was taken, as its Exif block says
  kCreated,    // when the picture was made or stored, as its Exif block says
  kMovie,      // when the movie was recorded, as its own header says
};

struct HandledFile {
  Text folder{};   // without a trailing "\"
  Text oldName{};  // the subfolder's name for kUnreachableFolder
  Text newName{};  // the name given, or the last one tried; empty for kUnreachableFolder
  FileResult result = FileResult::kRenamed;
  // A name that stood before the run, in the file's folder or at the other folder's top level, made
  // the counter go on. Names the run itself gave earlier files are the counter's ordinary work.
  bool nameInTheWay = false;
  int32_t field = 0;  // the folder field the file was reached from: 0 or 1
  TimeOrigin timeOrigin = TimeOrigin::kLastWrite;
  bool unreadable = false;  // its date could not be read, so its last-write time was used
  Text principal{};         // for a companion file, the name of the file whose time named it
  bool target = true;       // false for a companion file the extension list does not take
  // The list file names what the walk met as a target, and a companion file it renamed.
  bool Listed() const { return target || result == FileResult::kRenamed; }
};

}  // namespace tokiwake
