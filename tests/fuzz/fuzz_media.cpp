// Any bytes as a photo or movie: the reader stays within its caps on reads and bytes, a date it
// finds is a real time, and it calls the file unreadable exactly when one of its reads failed.
#include <cstdlib>

#include "FuzzInput.h"
#include "media/BoundedReader.h"
#include "media/MediaFiles.h"
#include "media/ShotDate.h"

using namespace tokiwake;
using namespace tokiwake::test;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const int failAt = input.Byte() - 1;  // the first byte 0: no read fails
  const std::string file = input.Rest();
  TestSource source(file, failAt);
  const ShotDateResult result = ReadShotDate(source);
  const bool failed = failAt >= 0 && source.reads > failAt;
  if (source.reads > static_cast<int>(BoundedReader::kMaxReads) ||
      source.bytes > BoundedReader::kMaxBytes ||
      (result.status == ShotDateStatus::kUnreadable) != failed ||
      (result.status == ShotDateStatus::kFound && !IsRealTime(result.date.time))) {
    std::abort();
  }
  return 0;
}
