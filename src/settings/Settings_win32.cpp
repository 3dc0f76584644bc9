// The settings files on the disk: the formats of SettingsText.cpp over the whole-file input and
// output of WholeFile_win32.cpp.
#include "settings/Settings.h"

#include "platform/WholeFile.h"
#include "settings/SettingsText.h"

namespace tokiwake {

LoadedMasks LoadSettings(const Text& path) {
  const FileRead read = ReadWholeFile(path, kMaxSettingsFileSize);
  if (!read.exists) return {};
  return {ParseListText(read.text), !read.readable};
}

void SaveSettings(const Text& path, const std::vector<Text>& items) {
  if (path.empty()) return;
  WriteWholeFile(FormatListText(items), path);
}

LoadedPattern LoadPattern(const Text& path) {
  const FileRead read = ReadWholeFile(path, kMaxSettingsFileSize);
  return {FirstLine(read.text), read.exists && !read.readable};
}

void SavePattern(const Text& path, const Text& pattern) { WriteWholeFile(pattern, path); }

LoadedOptions LoadOptions(const Text& path) {
  const FileRead read = ReadWholeFile(path, kMaxSettingsFileSize);
  if (!read.readable) return {{}, read.exists, read.exists};
  return {ParseOptions(read.text), true, false};
}

void SaveOptions(const Text& path, const Options& options) {
  WriteWholeFile(FormatOptions(options), path);
}

}  // namespace tokiwake
