// Searching and cutting code page 932 byte strings.
//
// Every text in the program is a Shift_JIS byte string. Positions are 1-based byte positions and
// lengths are byte counts; a search never finds a single-byte character inside a double-byte one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tokiwake {

using Text = std::string;

// A lead byte as code page 932 itself defines it: 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char byte);

// How a loop over a text tells a double-byte character.
enum class CharRule {
  kCodePage,   // a lead byte of code page 932 and whatever byte follows it, as Windows converts
  kTrailOnly,  // the same lead bytes, but only with a trail byte (0x40-0xFC but 0x7F) after them
  kSearch,     // as the searches step: lead bytes 0x81-0x9F and 0xE0-0xEF, with a trail byte
};
// The bytes of the character at `index`: 2 for a lead byte that pairs by `rule`, else 1; a lone
// lead byte at the end counts one.
size_t CharLength(std::string_view text, size_t index, CharRule rule = CharRule::kCodePage);

// 1-based position of needle in haystack, 0 when absent; found only where a character starts.
int32_t SjisPos(std::string_view needle, std::string_view haystack);
// As SjisPos, blind to ASCII letter case.
int32_t SjisPosNoCase(std::string_view needle, std::string_view haystack);

// Returns the text before the first separator and leaves in `held` what follows it; without a
// separator returns all of `held` and leaves it empty.
Text SplitHead(std::string_view separator, Text& held);
Text SplitHeadNoCase(std::string_view separator, Text& held);

Text LeftChars(int32_t count, std::string_view text);
Text RightChars(int32_t count, std::string_view text);

// The nine characters that no file name may hold, as one text.
inline constexpr char kBadNameChars[] = "\\/:*?\"<>|";
// True when the text holds one of them, or a control character (0x00-0x1F), as a character of
// its own: either would fail every file of a run.
bool HasBadNameChar(std::string_view text);

// The number of characters, a double-byte character counting one.
int32_t CountChars(std::string_view text);

// The text a file holds for the program: everything before its first NUL byte.
std::string_view BeforeNul(std::string_view text);

// Every byte a-z, trail bytes included, as the case-blind search compares them.
Text AsciiUpper(std::string_view text);
// Single-byte letters A-Z only; double-byte characters stay whole.
Text AsciiLower(std::string_view text);

}  // namespace tokiwake
