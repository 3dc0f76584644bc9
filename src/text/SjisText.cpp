#include "text/SjisText.h"

#include <algorithm>

namespace tokiwake {

namespace {

unsigned char ByteAt(std::string_view text, size_t index) {
  return index < text.size() ? static_cast<unsigned char>(text[index]) : 0;
}

bool IsSearchLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xEF);
}

bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// The scan of SjisPos over bytes that are already case-folded when a blind search is wanted. A
// needle is found only where a character starts: resuming a failed match on a trail byte would pair
// that byte with the next character's lead byte (the 0x9A of ★ with the 0x81 of 《), and the
// character after it would then be skipped unseen.
int32_t ScanFor(std::string_view needle, std::string_view haystack) {
  const size_t h = haystack.size();
  const size_t n = needle.size();
  if (h == 0 || n == 0) return 0;
  for (size_t i = 0; i < h; i += CharLength(haystack, i, CharRule::kSearch)) {
    if (haystack.compare(i, n, needle) == 0) return static_cast<int32_t>(i + 1);
  }
  return 0;
}

Text SplitAt(int32_t position, size_t separatorLength, Text& held) {
  if (position <= 0) {
    Text head = std::move(held);
    held.clear();
    return head;
  }
  Text head = LeftChars(position - 1, held);
  held.erase(0, std::min(held.size(), static_cast<size_t>(position - 1) + separatorLength));
  return head;
}

}  // namespace

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t CharLength(std::string_view text, size_t index, CharRule rule) {
  if (index + 1 >= text.size()) return 1;
  const auto lead = static_cast<unsigned char>(text[index]);
  const auto next = static_cast<unsigned char>(text[index + 1]);
  switch (rule) {
    case CharRule::kCodePage:
      return IsCp932LeadByte(lead) ? 2 : 1;
    case CharRule::kTrailOnly:
      return IsCp932LeadByte(lead) && IsTrailByte(next) ? 2 : 1;
    case CharRule::kSearch:
      return IsSearchLeadByte(lead) && IsTrailByte(next) ? 2 : 1;
  }
  return 1;
}

int32_t SjisPos(std::string_view needle, std::string_view haystack) {
  return ScanFor(needle, haystack);
}

int32_t SjisPosNoCase(std::string_view needle, std::string_view haystack) {
  return ScanFor(AsciiUpper(needle), AsciiUpper(haystack));
}

Text SplitHead(std::string_view separator, Text& held) {
  return SplitAt(SjisPos(separator, held), separator.size(), held);
}

Text SplitHeadNoCase(std::string_view separator, Text& held) {
  return SplitAt(SjisPosNoCase(separator, held), separator.size(), held);
}

Text LeftChars(int32_t count, std::string_view text) {
  if (count <= 0) return {};
  return Text(text.substr(0, static_cast<size_t>(count)));
}

Text RightChars(int32_t count, std::string_view text) {
  if (count <= 0 || text.empty()) return {};
  if (static_cast<size_t>(count) >= text.size()) return Text(text);
  return Text(text.substr(text.size() - static_cast<size_t>(count)));
}

// A control character is as unusable in a name as the nine, and so is a lead byte without its
// trail byte: no name holds half a character, and put before a bracket it would take the
// bracket's first byte for its own. A lead byte pairs only with a real trail byte, so it cannot
// hide the slash or the control character after it.
bool HasBadNameChar(std::string_view text) {
  for (size_t i = 0, length = 0; i < text.size(); i += length) {
    length = CharLength(text, i, CharRule::kTrailOnly);
    if (length == 2) continue;  // a double-byte character is never one of them
    if (ByteAt(text, i) < 0x20 || IsCp932LeadByte(ByteAt(text, i))) return true;
    if (SjisPos(text.substr(i, 1), kBadNameChars) > 0) return true;
  }
  return false;
}

int32_t CountChars(std::string_view text) {
  int32_t count = 0;
  for (size_t i = 0; i < text.size(); i += CharLength(text, i)) ++count;
  return count;
}

std::string_view BeforeNul(std::string_view text) { return text.substr(0, text.find('\0')); }

Text AsciiUpper(std::string_view text) {
  Text result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
  }
  return result;
}

Text AsciiLower(std::string_view text) {
  Text result(text);
  // Only the first byte of each character is looked at: a trail byte in A-Z belongs to its
  // character, and ア must not become another one.
  for (size_t i = 0; i < result.size(); i += CharLength(result, i)) {
    if (result[i] >= 'A' && result[i] <= 'Z') result[i] = static_cast<char>(result[i] + 0x20);
  }
  return result;
}

}  // namespace tokiwake
