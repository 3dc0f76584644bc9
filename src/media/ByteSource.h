// A file as the shooting-date reader sees it, and one held in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tokiwake {

// A file as the reader sees it. Reads are bounded by the caller; nothing reads a whole file.
class ByteSource {
 public:
  virtual uint64_t Size() const = 0;
  // Up to `count` bytes from `offset` into `out` (replaced); fewer at the end of the file. False
  // when the read itself failed (a file locked or vanished part-way).
  virtual bool ReadAt(uint64_t offset, size_t count, std::string& out) = 0;

 protected:
  ~ByteSource() = default;
};

// The bytes stay the caller's and must outlive the source.
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}

  uint64_t Size() const override { return bytes_.size(); }

  bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
    out.clear();
    if (offset < bytes_.size()) out = bytes_.substr(static_cast<size_t>(offset), count);
    return true;
  }

 private:
  std::string_view bytes_;
};

}  // namespace tokiwake
