// Which typed characters a folder field takes: control characters, ASCII letters and digits, and
// the path punctuation \ : . _ /. Everything else can reach a folder field only by paste, the
// folder chooser or a drop.
#pragma once

namespace tokiwake {

constexpr bool IsFolderKeyAllowed(char key) {
  const auto byte = static_cast<unsigned char>(key);
  if (byte < 0x20) return true;
  if (byte >= '/' && byte <= '9') return true;
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
  return byte == '\\' || byte == ':' || byte == '.' || byte == '_';
}

}  // namespace tokiwake
