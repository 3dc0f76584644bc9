#include "text/Paths.h"

namespace tokiwake {

Text FolderPart(std::string_view path) {
  size_t end = 0;  // one past the last separator
  for (size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsCp932LeadByte(byte) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (byte == '\\' || byte == ':') end = i + 1;
  }
  return Text(path.substr(0, end));
}

Text WithTrailingBackslash(std::string_view path) {
  // The last character decides, not the last byte: ソ ends in the byte 0x5C.
  Text result(path);
  if (result.empty() || FolderPart(result).size() != result.size() || result.back() != '\\') {
    result += '\\';
  }
  return result;
}

}  // namespace tokiwake
