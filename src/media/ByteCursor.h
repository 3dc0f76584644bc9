// Fields taken one after another from bytes in memory, in either byte order. Reading past the
// end gives zeros and marks the cursor, so a parser checks once after a run of fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tokiwake {

class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes, bool bigEndian = true)
      : bytes_(bytes), bigEndian_(bigEndian) {}

  // An unsigned number of `width` bytes (0-8).
  uint64_t Uint(size_t width) {
    const std::string_view field = Bytes(width);
    uint64_t value = 0;
    for (size_t i = 0; i < field.size(); ++i) {
      const auto byte = static_cast<unsigned char>(field[bigEndian_ ? i : field.size() - 1 - i]);
      value = value << 8 | byte;
    }
    return value;
  }
  uint8_t U8() { return static_cast<uint8_t>(Uint(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Uint(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Uint(4)); }
  uint64_t U64() { return Uint(8); }

  std::string_view Bytes(size_t count) {
    if (count > bytes_.size()) {
      failed_ = true;
      bytes_ = {};
      return {};
    }
    const std::string_view taken = bytes_.substr(0, count);
    bytes_.remove_prefix(count);
    return taken;
  }
  void Skip(size_t count) { Bytes(count); }

  size_t Left() const { return bytes_.size(); }
  bool Failed() const { return failed_; }

 private:
  std::string_view bytes_;
  bool bigEndian_;
  bool failed_ = false;
};

// A four-character code as the 32-bit big-endian number it is stored as.
constexpr uint32_t FourCc(const char (&code)[5]) {
  return uint32_t{static_cast<unsigned char>(code[0])} << 24 |
         uint32_t{static_cast<unsigned char>(code[1])} << 16 |
         uint32_t{static_cast<unsigned char>(code[2])} << 8 |
         uint32_t{static_cast<unsigned char>(code[3])};
}

}  // namespace tokiwake
