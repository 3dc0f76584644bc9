// Stands in for the main window: holds the pattern, the old-name box and the counter.
#pragma once

#include <string_view>
#include <utility>

#include "rename/NamePattern.h"

namespace tokiwake {

class FakePatternHost : public PatternHost {
 public:
  explicit FakePatternHost(Text pattern, bool includeOldName = false)
      : pattern(std::move(pattern)), includeOldName(includeOldName) {}

  const Text& RenameFormatText() const override { return pattern; }
  bool IncludeOldName() const override { return includeOldName; }
  int32_t FileCounterValue() const override { return fileCounter; }
  void SetFileCounter(int32_t value) override { fileCounter = value; }
  void OnTokenReplacing() override { ++redCount; }

  // Attempt n for one file, as the walk makes it: the counter starts at 0 and goes up by one after
  // each of the n - 1 clashes before.
  Text NameOnAttempt(int attempt, std::string_view fileName, std::string_view timeText) {
    fileCounter = 0;
    Text name;
    for (int i = 1; i <= attempt; ++i) {
      if (i > 1) ++fileCounter;
      name = BuildNewName(*this, fileName, timeText, fileCounter);
    }
    return name;
  }

  Text pattern;
  bool includeOldName;
  int32_t fileCounter = 0;
  int redCount = 0;
};

}  // namespace tokiwake
