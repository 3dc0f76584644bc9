// Stands in for the main window: holds the old-name box, and the state with the pattern and the
// counter.
#pragma once

#include <string_view>
#include <utility>

#include "rename/NamePattern.h"

namespace tokiwake {

class FakePatternHost : public PatternHost {
 public:
  explicit FakePatternHost(Text pattern, bool includeOldName = false)
      : includeOldName(includeOldName) {
    state.RenameFormat = std::move(pattern);
  }

  bool IncludeOldName() const override { return includeOldName; }
  void OnTokenReplacing() override { ++redCount; }

  // Attempt n for one file, as the walk makes it: the counter starts at 0 and goes up by one after
  // each of the n - 1 clashes before.
  Text NameOnAttempt(int attempt, std::string_view fileName, std::string_view timeText) {
    state.FileCounter = 0;
    Text name;
    for (int i = 1; i <= attempt; ++i) {
      if (i > 1) ++state.FileCounter;
      name = BuildNewName(*this, state, fileName, timeText, state.FileCounter);
    }
    return name;
  }

  RunState state;
  bool includeOldName;
  int redCount = 0;
};

}  // namespace tokiwake
