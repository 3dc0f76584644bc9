// Numbers written with a fixed count of digits, as dates, times and counters are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// "0" in front up to `width` bytes; a text as long or longer, or an empty one, stays as it is.
inline Text ZeroPadded(std::string_view digits, size_t width) {
  Text padded(digits);
  if (!padded.empty() && padded.size() < width) padded.insert(0, width - padded.size(), '0');
  return padded;
}

inline Text ZeroPadded(int32_t value, size_t width) {
  return ZeroPadded(std::to_string(value), width);
}

}  // namespace tokiwake
