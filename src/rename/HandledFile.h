// What a walk did with one target file, or with a subfolder it could not enter.
#pragma once

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

struct HandledFile {
  Text folder;   // without a trailing "\"
  Text oldName;  // the subfolder's name for kUnreachableFolder
  Text newName;  // the name given, or the last one tried; empty for kUnreachableFolder
  FileResult result;
  bool counterRaised;  // a name was taken, so the counter went on
};

}  // namespace tokiwake
