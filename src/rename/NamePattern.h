// The name pattern: turns a file's name, its time text and the counter into the new name.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/SjisText.h"

namespace tokiwake {

// What the engine needs of the window that owns the pattern and the counter.
class PatternHost {
 public:
  virtual const Text& RenameFormatText() const = 0;  // the pattern in use
  virtual bool IncludeOldName() const = 0;           // the old-name check box
  virtual int32_t FileCounterValue() const = 0;
  virtual void SetFileCounter(int32_t value) = 0;
  virtual void OnTokenReplacing() = 0;  // the status line turns red and is repainted at once

 protected:
  ~PatternHost() = default;
};

Text BuildNewName(PatternHost& host, std::string_view fileName, std::string_view timeText,
                  int32_t counter);

// width > 0: zero-padded to width. Width 0 and below print nothing up to 1, then "-" and
// value - 1 (width 0) or fill repeated value - 1 times (width < 0).
Text FormatCounter(int32_t value, int32_t width, std::string_view fill);
// Every occurrence, left to right; tells the host once, before replacing, when the token occurs.
Text ReplaceAllNoCase(PatternHost& host, std::string_view value, std::string_view token,
                      std::string_view text);
// 1-based, 0 when absent; blind to the case of single-byte letters, never starting on the second
// byte of a double-byte character.
int32_t PosNoCase(std::string_view token, std::string_view text);

}  // namespace tokiwake
