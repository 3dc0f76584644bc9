// Small operations on path texts.
#pragma once

#include "text/SjisText.h"

namespace tokiwake {

// Everything up to and including the last "\" or ":" (never one inside a double-byte character);
// empty when there is none.
Text FolderPart(std::string_view path);

// True when the last character is a backslash of its own (ソ ends in the byte 0x5C too).
bool EndsInBackslash(std::string_view path);

// The text with "\" appended unless it already ends in one.
Text WithTrailingBackslash(std::string_view path);

// Notepad in the Windows folder, which ends in "\": the run's list and the ReadMe open in it.
Text NotepadPath(std::string_view winFolder);

// What follows a viewer's name on its command line: one blank and the document, unquoted even when
// it holds blanks. The browser and Notepad take the rest of the line as one name.
Text DocumentArguments(std::string_view document);

}  // namespace tokiwake
