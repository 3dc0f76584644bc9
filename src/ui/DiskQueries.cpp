#include "ui/DiskQueries.h"

#include <windows.h>

#include "text/Cp932.h"

namespace tokiwake {

namespace {
DWORD AttributesOf(const Text& path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(ToWide(path).c_str());
}
}  // namespace

bool FolderExists(const Text& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const Text& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace tokiwake
