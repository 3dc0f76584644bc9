// The name pattern: turns a file's name, its time text and the counter into the new name.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "text/SjisText.h"

namespace tokiwake {

// The highest counter a file's name is given; a name still taken then is reported instead.
inline constexpr int32_t kLastCounter = 1000;

// A file's new name with its counter left open: the pattern written out for the file's name and
// time, cut where the counter goes. A pattern without a counter token has one at its end.
struct NameTemplate {
  Text literal;                   // the name without its counter texts
  std::vector<size_t> counterAt;  // where in `literal` each counter text goes, in order
  int32_t width = 0;              // how the counter is written, as FormatCounter takes it
  Text fill;
};
// Where a name that carries an old name between 《 and 》 keeps it: after its first 《, as a new
// name takes it, or in the pair at the name's end, where the program put it. A pattern with
// brackets of its own puts a 《 before that pair.
enum class CarriedName { kFirstBracket, kLastPair };
// The extension is what follows the first "." of the name's last five bytes, as a new name takes
// it; a name from a pattern that ends in "." ("x..JPG", or "x." without one) reads the same
// extension only after its dots.
enum class ExtensionReading { kAsWritten, kAfterItsDots };
// `includeOldName` puts the old name in between 《 and 》.
NameTemplate BuildNameTemplate(std::string_view pattern, bool includeOldName,
                               std::string_view fileName, std::string_view timeText,
                               CarriedName carried = CarriedName::kFirstBracket,
                               ExtensionReading reading = ExtensionReading::kAsWritten);
// The name for a value of FileCounter.
Text RenderName(const NameTemplate& name, int32_t counter);
// The counter value from 1 to kLastCounter with which the template gives `fileName`; nothing when
// no value gives it.
std::optional<int32_t> CounterOf(const NameTemplate& name, std::string_view fileName,
                                 bool blindToCase = false);

// The new name for `fileName` from the pattern, the time text and the counter, which a pattern
// that counts raises to 1 on a file's first attempt (when it is 0).
Text BuildNewName(std::string_view pattern, bool includeOldName, std::string_view fileName,
                  std::string_view timeText, int32_t& fileCounter);

// The pattern shown at start when there is none to take from the file, and the one a run uses
// instead of a pattern it cannot use.
inline constexpr char kStartFallbackPattern[] = "yyyy.mm.dd-cnt2";
inline constexpr char kRunFallbackPattern[] = "yyyy-mm-dd hh.mn.ss";

struct PatternCheck {
  Text pattern;  // the pattern to use
  Text message;  // what to tell the user first; empty when there is nothing to tell
};
// A pattern that holds a character no file name may hold gives way to `fallback`, with a message
// that names the characters and the fallback; an empty one gives way to it silently.
PatternCheck UsablePattern(const Text& pattern, std::string_view fallback);

// width > 0: zero-padded to width. Width 0 and below print nothing up to 1, then "-" and
// value - 1 (width 0) or fill repeated value - 1 times (width < 0).
Text FormatCounter(int32_t value, int32_t width, std::string_view fill);
// Every occurrence, left to right.
Text ReplaceAllNoCase(std::string_view value, std::string_view token, std::string_view text);
// 1-based, 0 when absent; blind to the case of single-byte letters, never starting on the second
// byte of a double-byte character.
int32_t PosNoCase(std::string_view token, std::string_view text);

}  // namespace tokiwake
