// The version page: an HTML file that the version dialog shows, and the same facts as plain lines
// for a dialog that has no browser to show it with.
#pragma once

#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// The whole page, Shift_JIS, every line ended by CR LF.
Text BuildVersionPage(float versionNumber);

// One line of the page's text as it reads in a browser.
struct SummaryLine {
  enum class Kind { kProduct, kNote, kPlain, kContact };
  Kind kind;
  Text text;
};

// The product line, the free-software note, the author, the mail address, the two links and the
// contact invitation, in the page's order. The contact line stands beside the mail image.
std::vector<SummaryLine> VersionSummary(float versionNumber);

}  // namespace tokiwake
