// Takes a fuzzer's bytes apart into the small values a target needs; past the end every value is
// zero or empty, so every input means something.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tokiwake::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}

  uint8_t Byte() {
    if (bytes_.empty()) return 0;
    const auto byte = static_cast<uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return byte;
  }
  bool Flag() { return (Byte() & 1) != 0; }
  // A value below `bound` (which is at most 256).
  int Below(int bound) { return Byte() % bound; }
  // Up to `maxLength` bytes, their number given by the input.
  std::string Text(size_t maxLength) {
    size_t length = Byte();
    if (maxLength > 255) length = length << 8 | Byte();
    length = std::min({length, maxLength, bytes_.size()});
    std::string text(bytes_.substr(0, length));
    bytes_.remove_prefix(length);
    return text;
  }
  std::string Rest() {
    std::string text(bytes_);
    bytes_ = {};
    return text;
  }

 private:
  std::string_view bytes_;
};

}  // namespace tokiwake::fuzz
