// The name pattern: a pattern the run accepts and a name a disk can hold never give a name with a
// character no file name may hold, whatever the counter. (A pattern of counter tokens alone gives
// a file without an extension an empty name on its first attempts; the rename of such a name
// fails and says so.) Run with a large -max_len, a pattern
// whose cost grew faster than its length shows as a timeout.
#include <cstdlib>

#include "FuzzInput.h"
#include "rename/NamePattern.h"
#include "rename/PatternCase.h"

using namespace tokiwake;
using namespace tokiwake::test;

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

Text TimeText(fuzz::FuzzInput& input) {
  Text text = std::to_string(1980 + input.Below(128)) + "/" + std::to_string(1 + input.Below(12)) +
              "/" + std::to_string(1 + input.Below(31));
  if (input.Flag()) return text;  // midnight
  return text + " " + std::to_string(input.Below(24)) + ":" + std::to_string(input.Below(60)) +
         ":" + std::to_string(input.Below(60));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const bool oldName = input.Flag();
  const Text timeText = TimeText(input);
  const Text fileName = input.Text(255);
  const Text pattern = input.Rest();
  // What the run hands over: a usable pattern, and a name that a folder listing can give.
  if (pattern.empty() || HasBadNameChar(pattern)) return 0;
  if (fileName.empty() || HasBadNameChar(fileName) || fileName == "." || fileName == "..") return 0;

  PatternCase host(pattern, oldName);
  for (const int32_t counter : {0, 1, 2, 3, 999, 1000}) {
    host.state.FileCounter = counter;
    const Text name = host.Build(fileName, timeText);
    Require(!HasBadNameChar(name));
  }
  return 0;
}
