// Which program the Help menu starts, and on which document.
#pragma once

#include <functional>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// The browser under the root of the drive that holds the Windows folder (C:\ or D:\...).
Text BrowserPath(std::string_view winFolder);
// Notepad in the Windows folder; `winFolder` ends in "\".
Text EditorPath(std::string_view winFolder);

// The usage page to open: help\index.htm beside the program, else index.htm beside it, else the
// page on the maker's web site. `fileExists` answers for a full path.
Text UsageDocument(std::string_view exeFolder, const std::function<bool(const Text&)>& fileExists);
Text OnlineUsageAddress();
Text ReadMePath(std::string_view exeFolder);

// What follows the program name on the command line: one blank and the document, unquoted even
// when it holds blanks. The browser and Notepad take the rest of the line as one name.
Text DocumentArguments(std::string_view document);

}  // namespace tokiwake
