// The one way the shooting-date reader reads a file: every read checked against the file's size,
// served from a block read ahead where it can be, and counted against caps on bytes and reads,
// so that no file, however made, makes the reader take long or hold much.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "media/ByteSource.h"

namespace tokiwake {

class BoundedReader {
 public:
  // A photo needs a few reads of a few KiB; these leave room for a PNG with thousands of chunks
  // before its eXIf.
  static constexpr uint64_t kMaxBytes = uint64_t{16} << 20;
  static constexpr uint32_t kMaxReads = 4096;
  // The headers, directories and values the reader wants usually sit within this of each other.
  static constexpr size_t kReadAhead = 4096;

  explicit BoundedReader(ByteSource& file) : file_(file), size_(file.Size()) {}

  uint64_t Size() const { return size_; }

  // Exactly `count` bytes at `offset`. False when they pass the end of the file, once the caps are
  // spent and once a read has failed.
  bool Read(uint64_t offset, size_t count, std::string& out);

  // A read failed, or the file came back shorter than its size: what was read may be half of it.
  bool Failed() const { return failed_; }

 private:
  bool InBlock(uint64_t offset, size_t count) const;

  ByteSource& file_;
  uint64_t size_;
  std::string block_;
  uint64_t blockOffset_ = 0;
  uint64_t bytesRead_ = 0;
  uint32_t reads_ = 0;
  bool failed_ = false;
  bool spent_ = false;
};

// True when `length` bytes at `offset` lie within the first `limit`, without overflow.
inline bool FitsIn(uint64_t offset, uint64_t length, uint64_t limit) {
  return length <= limit && offset <= limit - length;
}

}  // namespace tokiwake
