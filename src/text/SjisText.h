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

// A lead byte as the searches recognise it: 0x81-0x9F and 0xE0-0xEF.
bool IsSearchLeadByte(unsigned char byte);
// A lead byte as code page 932 itself defines it: 0x81-0x9F and 0xE0-0xFC.
bool IsCp932LeadByte(unsigned char byte);
bool IsTrailByte(unsigned char byte);
// The bytes of the character at `index` as the searches step over it: 2 for a lead byte followed
// by a trail byte, else 1.
size_t SearchCharLength(std::string_view text, size_t index);

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
