#include "media/BoundedReader.h"

#include <algorithm>

namespace tokiwake {

bool BoundedReader::InBlock(uint64_t offset, size_t count) const {
  return offset >= blockOffset_ && FitsIn(offset - blockOffset_, count, block_.size());
}

bool BoundedReader::Read(uint64_t offset, size_t count, std::string& out) {
  out.clear();
  if (failed_ || spent_ || !FitsIn(offset, count, size_)) return false;
  if (InBlock(offset, count)) {
    out.assign(block_, static_cast<size_t>(offset - blockOffset_), count);
    return true;
  }
  // A large read is taken as it is and not kept: nothing after it is near enough to want it.
  const bool ahead = count < kReadAhead;
  const size_t want =
      ahead ? static_cast<size_t>(std::min<uint64_t>(kReadAhead, size_ - offset)) : count;
  if (reads_ >= kMaxReads || want > kMaxBytes - bytesRead_) {
    spent_ = true;
    return false;
  }
  ++reads_;
  bytesRead_ += want;
  std::string& into = ahead ? block_ : out;
  if (!file_.ReadAt(offset, want, into) || into.size() != want) {
    failed_ = true;
    block_.clear();
    out.clear();
    return false;
  }
  if (ahead) {
    blockOffset_ = offset;
    out.assign(block_, 0, count);
  }
  return true;
}

}  // namespace tokiwake
