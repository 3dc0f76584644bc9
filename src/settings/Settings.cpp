#include "settings/Settings.h"

#include "settings/SettingsText.h"
#include "settings/WholeFile.h"

namespace tokiwake {

std::optional<std::vector<Text>> LoadSettings(const Text& path) {
  const std::optional<Text> text = ReadExistingFile(path);
  if (!text) return std::nullopt;
  return ParseListText(*text);
}

void SaveSettings(const Text& path, const std::vector<Text>& items) {
  if (path.empty()) return;
  WriteWholeFile(FormatListText(items), path);
}

}  // namespace tokiwake
