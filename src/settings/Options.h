// The options kept beside the program in their own small file, each a line "name=value" with CR LF
// after it, in code page 932: whether names come from the shooting date, the clock correction in
// seconds, and whether companion files are renamed with their photo. A line the program does not
// know is left out; a value it cannot read keeps that option's default.
#pragma once

#include <cstdint>
#include <string_view>

#include "settings/ProgramFacts.h"
#include "text/SjisText.h"

namespace tokiwake {

// A correction of up to a hundred years either way: enough for a camera left at its factory date.
inline constexpr int64_t kLongestCorrection = int64_t{36500} * 86400;

struct Options {
  bool useShotDate = false;
  int64_t clockCorrection = 0;  // seconds, added to the time a name is built from
  bool companions = false;
  bool operator==(const Options&) const = default;
};

Options ParseOptions(std::string_view text);
Text FormatOptions(const Options& options);

}  // namespace tokiwake
