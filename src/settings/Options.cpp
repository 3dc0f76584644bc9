#include "settings/Options.h"

#include <charconv>

#include "settings/SettingsText.h"

namespace tokiwake {

namespace {

constexpr std::string_view kShotDate = "撮影日時を使う";
constexpr std::string_view kCorrection = "時刻の補正";
constexpr std::string_view kCompanions = "関連ファイルも一緒に変更";

bool ReadSwitch(std::string_view value, bool fallback) {
  if (value == "1") return true;
  if (value == "0") return false;
  return fallback;
}

int64_t ReadSeconds(std::string_view value, int64_t fallback) {
  int64_t seconds = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seconds);
  const bool whole = error == std::errc() && end == value.data() + value.size();
  if (!whole || seconds > kLongestCorrection || seconds < -kLongestCorrection) return fallback;
  return seconds;
}

}  // namespace

Options ParseOptions(std::string_view text) {
  Options options;
  for (const Text& line : ParseListText(text)) {
    Text value = line;
    const Text name = SplitHead("=", value);
    if (name == kShotDate) options.useShotDate = ReadSwitch(value, options.useShotDate);
    if (name == kCorrection) options.clockCorrection = ReadSeconds(value, options.clockCorrection);
    if (name == kCompanions) options.companions = ReadSwitch(value, options.companions);
  }
  return options;
}

Text FormatOptions(const Options& options) {
  return FormatListText({Text(kShotDate) + "=" + (options.useShotDate ? "1" : "0"),
                         Text(kCorrection) + "=" + std::to_string(options.clockCorrection),
                         Text(kCompanions) + "=" + (options.companions ? "1" : "0")});
}

}  // namespace tokiwake
