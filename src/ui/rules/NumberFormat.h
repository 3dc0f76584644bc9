// The version number as the version page prints it.
#pragma once

#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// True when every byte is a digit or "." (the empty text included).
bool IsDecimalText(std::string_view text);

// Fits the number text to a mask of "#" (a digit), "," (a separator) and at most one ".". The
// integer digits fill the mask from the right, dropping those beyond its places; the fraction is
// cut to the mask's places. A text that is not plain digits and points comes back as it is.
Text FormatNumber(std::string_view mask, std::string_view number);

// The general float-to-text conversion with 15 significant digits. The decimal point is always
// ".", whatever the user's locale, so that FormatNumber reads the number in every language.
Text FloatText(float value);

// The version as the page shows it: "1.00" for the program's number.
Text VersionText(float versionNumber);

}  // namespace tokiwake
