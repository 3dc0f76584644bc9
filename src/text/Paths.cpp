#include "text/Paths.h"

namespace tokiwake {

Text FolderPart(std::string_view path) {
  size_t end = 0;  // one past the last separator
  // A trail byte is never a separator: only the first byte of each character is looked at.
  for (size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    if (path[i] == '\\' || path[i] == ':') end = i + 1;
  }
  return Text(path.substr(0, end));
}

bool EndsInBackslash(std::string_view path) {
  return !path.empty() && path.back() == '\\' && FolderPart(path).size() == path.size();
}

Text WithTrailingBackslash(std::string_view path) {
  Text result(path);
  if (!EndsInBackslash(result)) result += '\\';
  return result;
}

Text NotepadPath(std::string_view winFolder) { return Text(winFolder) + "NOTEPAD.EXE"; }

Text DocumentArguments(std::string_view document) { return " " + Text(document); }

}  // namespace tokiwake
