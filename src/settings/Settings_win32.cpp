// The settings files on the disk: the formats of SettingsText.cpp over the whole-file input and
// output of WholeFile_win32.cpp.
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

Text LoadPattern(const Text& path) { return FirstLine(ReadWholeFile(path)); }

void SavePattern(const Text& path, const Text& pattern) { WriteWholeFile(pattern, path); }

}  // namespace tokiwake
