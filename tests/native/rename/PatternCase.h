// A pattern case: the pattern, the old-name box and the counter, as the walk hands them to the
// name pattern.
#pragma once

#include <string_view>
#include <utility>

#include "rename/NamePattern.h"
#include "rename/RunState.h"

namespace tokiwake::test {

struct PatternCase {
  explicit PatternCase(Text pattern, bool includeOldName = false) : includeOldName(includeOldName) {
    state.RenameFormat = std::move(pattern);
  }

  Text Build(std::string_view fileName, std::string_view timeText) {
    return BuildNewName(state.RenameFormat, includeOldName, fileName, timeText, state.FileCounter);
  }

  // Attempt n for one file, as the walk makes it: the counter starts at 0 and goes up by one after
  // each of the n - 1 clashes before.
  Text NameOnAttempt(int attempt, std::string_view fileName, std::string_view timeText) {
    state.FileCounter = 0;
    Text name;
    for (int i = 1; i <= attempt; ++i) {
      if (i > 1) ++state.FileCounter;
      name = Build(fileName, timeText);
    }
    return name;
  }

  RunState state;
  bool includeOldName;
};

}  // namespace tokiwake::test
