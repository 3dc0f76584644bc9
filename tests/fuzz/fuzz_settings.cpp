// The settings formats and the extension-mask rules: a list read back after it was written is the
// list that was written, a first line holds no line end, and an accepted mask is a usable one.
#include <cstdlib>

#include "FuzzInput.h"
#include "rename/ExtensionMask.h"
#include "settings/SettingsText.h"

using namespace tokiwake;

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<Text> items = ParseListText(bytes);
  for (const Text& item : items) Require(item.find('\0') == Text::npos);
  const Text written = FormatListText(items);
  Require(ParseListText(written) == items);
  Require(written.size() <= BeforeNul(bytes).size() + 2 * items.size());

  const Text line = FirstLine(bytes);
  Require(SjisPos("\r\n", line) == 0 && line.find('\0') == Text::npos);
  Require(bytes.substr(0, line.size()) == line);

  fuzz::FuzzInput input(data, size);
  const bool exact = input.Flag();
  const Text typed = input.Text(64);
  const MaskDecision decision = DecideNewMask(typed, exact, items);
  if (decision.refusal == MaskRefusal::kNone) {
    Require(decision.mask.rfind("*.", 0) == 0 && decision.mask.size() > 2);
    Require(!HasBadNameChar(decision.mask.substr(1)));
    Require(CountChars(decision.mask) == static_cast<int32_t>(decision.mask.size()));
  }
  return 0;
}
