// Many generated patterns and names: whatever the engine cuts and replaces, it must not cut a
// double-byte character in two nor bring in a character a file name may not hold.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "rename/NamePattern.h"
#include "rename/PatternCase.h"

namespace tokiwake::test {
namespace {

const std::vector<std::string_view> kTokens = {"yyyy", "yy",  "y",    "mm",   "dd",   "hh",   "mn",
                                               "ss",   "cnt", "cnt0", "cnt1", "cnt2", "cnt10"};
// Letters of tokens (case is mixed at random), digits and separators.
const std::vector<std::string_view> kSingleBytes = {"y", "m", "d", "h", "n", "s", "c", "t", "nt",
                                                    "a", "0", "1", "-", "_", " ", ".", "'"};
// Chosen for their trail bytes: 0x5C and 0x7C (表 ソ ポ), token letters (ヂ ノ ペ ツ ヅ イ ク サ),
// the brackets and ＝ (whose trail 0x81 can pair with a bracket's lead byte); and lead byte 0xFA,
// which the searches and the replacement read differently (ⅰ ⅳ 冝).
const std::vector<std::string_view> kDoubleBytes = {"年", "月", "日", "時", "分", "秒", "表", "ソ",
                                                    "ポ", "ア", "ヂ", "ノ", "ペ", "ツ", "ヅ", "イ",
                                                    "ク", "サ", "＝", "《", "》", "ⅰ",  "ⅳ",  "冝"};
const std::vector<std::string_view> kTokenEnds = {"m", "y", "d", "h", "s", "n", "nt"};
const std::vector<std::string_view> kBadPieces = {"\\", "/", ":", "|"};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  Text Pieces(int maxPieces) {
    Text text;
    for (int i = Below(maxPieces + 1); i > 0; --i) {
      const auto& group = Below(200) == 0 ? kBadPieces : Group();
      text += RandomCase(Pick(group));
      // Letters that complete a token with the trail byte before them: ノ + m reads "mm".
      if (&group == &kDoubleBytes && Below(2) == 0) text += RandomCase(Pick(kTokenEnds));
    }
    return text;
  }

  Text FileName() {
    static const std::string_view kExtensions[] = {"", "jpg", "JPG", "Jpeg", "mpeg4", "tiff1"};
    const Text stem = Pieces(5);
    if (Below(4) == 0) return stem;
    return stem + "." + Text(kExtensions[Below(std::size(kExtensions))]);
  }

  Text TimeText() {
    Text time = std::to_string(1980 + Below(120)) + "/" + std::to_string(1 + Below(12)) + "/" +
                std::to_string(1 + Below(31));
    if (Below(4) == 0) return time;
    return time + " " + std::to_string(Below(24)) + ":" + std::to_string(Below(60)) + ":" +
           std::to_string(Below(60));
  }

  int Below(size_t bound) { return static_cast<int>(random_() % bound); }

 private:
  const std::vector<std::string_view>& Group() {
    const int which = Below(3);
    return which == 0 ? kTokens : which == 1 ? kSingleBytes : kDoubleBytes;
  }

  std::string_view Pick(const std::vector<std::string_view>& from) {
    return from[Below(from.size())];
  }

  // Only pieces of single bytes: upper-casing a trail byte would make another character.
  Text RandomCase(std::string_view piece) {
    Text text(piece);
    if (piece.size() > 1 && IsCp932LeadByte(static_cast<unsigned char>(piece[0]))) return text;
    for (char& c : text) {
      if (c >= 'a' && c <= 'z' && Below(2) == 0) c = static_cast<char>(c - 0x20);
    }
    return text;
  }

  std::mt19937 random_;
};

std::vector<Text> Characters(std::string_view text) {
  std::vector<Text> characters;
  for (size_t i = 0; i < text.size();) {
    const bool pair = i + 1 < text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[i]));
    const size_t length = pair ? 2 : 1;
    characters.emplace_back(text.substr(i, length));
    i += length;
  }
  return characters;
}

// A split character shows as a byte pair that neither input held. Empty when the result is sound.
Text Fault(const Text& result, const Text& pattern, const Text& fileName) {
  std::set<Text> known = {"-", ".", "《", "》"};
  for (char digit = '0'; digit <= '9'; ++digit) known.insert(Text(1, digit));
  for (const Text& c : Characters(pattern)) known.insert(c);
  for (const Text& c : Characters(fileName)) known.insert(c);
  for (const Text& c : Characters(result)) {
    if (!known.count(c)) return Text("unknown character ") + ::testing::PrintToString(c);
  }
  if (HasBadNameChar(result) && !HasBadNameChar(pattern) && !HasBadNameChar(fileName)) {
    return "bad file-name character";
  }
  return {};
}

TEST(BuildNewNameProperty, NeverSplitsACharacterNorAddsABadNameCharacter) {
  Generator generate(20100523);
  for (int round = 0; round < 5000; ++round) {
    PatternCase host{generate.Pieces(8), generate.Below(2) == 0};
    const Text fileName = generate.FileName();
    const Text timeText = generate.TimeText();
    // Three attempts as the walk makes them, then a long run of clashes.
    for (const int32_t raise : {0, 1, 1, 40}) {
      host.state.FileCounter += raise;
      const Text result = host.Build(fileName, timeText);
      const Text fault = Fault(result, host.state.RenameFormat, fileName);
      if (!fault.empty()) {
        FAIL() << fault << " in " << ::testing::PrintToString(result) << " from pattern "
               << ::testing::PrintToString(host.state.RenameFormat) << ", name "
               << ::testing::PrintToString(fileName) << ", time " << timeText;
      }
    }
  }
}

}  // namespace
}  // namespace tokiwake::test
