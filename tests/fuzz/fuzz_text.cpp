// The code page 932 searches and cuts: whatever the bytes, a find is a real occurrence, a cut puts
// the text back together, and no character the program refuses passes the name check.
#include <cstdlib>

#include "FuzzInput.h"
#include "text/Paths.h"
#include "text/SjisText.h"

using namespace tokiwake;

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckSearch(const Text& needle, const Text& haystack) {
  const int32_t at = SjisPos(needle, haystack);
  Require(at >= 0 && static_cast<size_t>(at) <= haystack.size());
  if (at > 0) Require(!needle.empty() && haystack.compare(at - 1, needle.size(), needle) == 0);
  if (haystack.find(needle) == Text::npos) Require(at == 0);

  const int32_t blind = SjisPosNoCase(needle, haystack);
  if (blind > 0)
    Require(AsciiUpper(haystack).compare(blind - 1, needle.size(), AsciiUpper(needle)) == 0);

  Text held = haystack;
  const Text head = SplitHead(needle, held);
  Require(at > 0 ? head + needle + held == haystack : head == haystack && held.empty());
}

void CheckName(const Text& text) {
  if (!HasBadNameChar(text)) {
    // None of these can be the second byte of a character, so none may pass anywhere.
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      Require(byte >= 0x20 && Text("/:*?\"<>").find(c) == Text::npos);
    }
  }
  const int32_t chars = CountChars(text);
  Require(chars >= 0 && static_cast<size_t>(chars) <= text.size() &&
          2 * static_cast<size_t>(chars) >= text.size());
  Require(AsciiLower(text).size() == text.size() &&
          AsciiLower(AsciiLower(text)) == AsciiLower(text));
  Require(AsciiUpper(text).size() == text.size());
}

// True when the last byte is a lead byte that starts a character: half a character, which no
// conversion from UTF-16 gives.
bool EndsInHalfCharacter(const Text& text) {
  size_t i = 0;
  while (i + 1 < text.size()) i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  return i + 1 == text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[i]));
}

void CheckPath(const Text& text) {
  const Text folder = FolderPart(text);
  Require(text.compare(0, folder.size(), folder) == 0);
  if (EndsInBackslash(text)) Require(folder.size() == text.size());
  if (!EndsInHalfCharacter(text)) Require(EndsInBackslash(WithTrailingBackslash(text)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const auto count = static_cast<int32_t>(static_cast<int8_t>(input.Byte()));
  const Text needle = input.Text(8);
  const Text text = input.Rest();
  CheckSearch(needle, text);
  CheckName(text);
  CheckPath(text);
  const Text left = LeftChars(count, text);
  const Text right = RightChars(count, text);
  Require(left.size() == right.size() &&
          left.size() == (count <= 0 ? 0 : std::min<size_t>(count, text.size())));
  return 0;
}
