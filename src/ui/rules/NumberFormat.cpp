#include "ui/rules/NumberFormat.h"

#include <charconv>

namespace tokiwake {

namespace {

constexpr char kVersionMask[] = "##,###,###.##";

// Splits at the first "." into integer and fraction; `hasPoint` tells whether there was one.
struct PointSplit {
  Text integer;
  Text fraction;
  bool hasPoint = false;
};

PointSplit SplitAtPoint(std::string_view text) {
  PointSplit split;
  split.hasPoint = SjisPos(".", text) > 0;
  if (!split.hasPoint) {
    split.integer = Text(text);
    return split;
  }
  split.fraction = Text(text);
  split.integer = SplitHead(".", split.fraction);
  return split;
}

// Right to left over mask and digits together, until either runs out.
Text IntegerPart(std::string_view mask, std::string_view digits) {
  Text result;
  size_t m = mask.size();
  size_t d = digits.size();
  while (m > 0 && d > 0) {
    const char place = mask[--m];
    if (place == '#') {
      result.insert(result.begin(), digits[--d]);
    } else if (place == ',') {
      result.insert(result.begin(), ',');
    }
  }
  return result;
}

// Left to right; stops adding once the digits are used up.
Text FractionPart(std::string_view mask, std::string_view digits) {
  Text result;
  size_t k = 0;
  for (const char place : mask) {
    if (k >= digits.size()) break;
    if (place == '#') {
      result += digits[k++];
    } else if (place == ',') {
      result += ',';
    }
  }
  return result;
}

}  // namespace

bool IsDecimalText(std::string_view text) {
  for (const char c : text) {
    if ((c < '0' || c > '9') && c != '.') return false;
  }
  return true;
}

Text FormatNumber(std::string_view mask, std::string_view number) {
  if (!IsDecimalText(number)) return Text(number);
  const PointSplit maskSplit = SplitAtPoint(mask);
  const PointSplit numberSplit = SplitAtPoint(number);
  Text result = IntegerPart(maskSplit.integer, numberSplit.integer);
  if (maskSplit.hasPoint && numberSplit.hasPoint) {
    result += '.';
    result += FractionPart(maskSplit.fraction, numberSplit.fraction);
  }
  return result;
}

Text FloatText(float value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                     std::chars_format::general, 15);
  return Text(buffer, written.ptr);
}

Text VersionText(float versionNumber) {
  return FormatNumber(kVersionMask, FloatText(versionNumber));
}

}  // namespace tokiwake
