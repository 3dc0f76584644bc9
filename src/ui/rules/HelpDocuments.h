// Which program the Help menu starts, and on which document.
#pragma once

#include <functional>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// The browser under the root of the drive that holds the Windows folder (C:\ or D:\...).
Text BrowserPath(std::string_view winFolder);

// The usage page to open: help\index.htm beside the program, else index.htm beside it, else the
// page on the maker's web site. `fileExists` answers for a full path.
Text UsageDocument(std::string_view exeFolder, const std::function<bool(const Text&)>& fileExists);
Text OnlineUsageAddress();
Text ReadMePath(std::string_view exeFolder);

}  // namespace tokiwake
