// The boxes of the ISO base media file format and the QuickTime format it grew from: HEIF and
// AVIF images, Canon CR3 raw files and MOV, MP4, M4V and 3GP movies. Boxes are walked by seeking
// from one header to the next; only the small ones the reader wants are read whole. The reader
// goes down only the few fixed paths to them (five boxes deep at most), never into a box because
// the file says so, so no file can make it nest deeper.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "media/BoundedReader.h"

namespace tokiwake {

struct Box {
  uint32_t type = 0;
  uint64_t payload = 0;  // where its content starts, after the size, type and any 64-bit size
  uint64_t end = 0;
};

// True when the header starts with a box these files start with: 'ftyp', or in an older
// QuickTime movie the movie itself, its data or free space.
bool IsIsoBmff(std::string_view header);

// The box whose header is at `at` in a parent ending at `end`. A box that claims to reach past
// its parent is cut at the parent's end, so a file cut short still shows what it holds. False
// when no header fits or its size is less than the header.
bool ReadBox(BoundedReader& file, uint64_t at, uint64_t end, Box& box);

// Calls `visit` for each box from `at` to `end` until it returns false. Every box moves the walk
// on by at least its header, and the reader's caps end a walk over a long file.
template <typename Visit>
void ForEachBox(BoundedReader& file, uint64_t at, uint64_t end, Visit visit) {
  Box box;
  for (; at < end && ReadBox(file, at, end, box); at = box.end) {
    if (!visit(box)) return;
  }
}

// The first `most` bytes of the box's content, or all of it when shorter.
bool ReadPayload(BoundedReader& file, const Box& box, size_t most, std::string& out);

// The boxes a shooting date can hide in, at the top of the file.
struct TopBoxes {
  std::optional<Box> meta;  // HEIF's items, among them the Exif block
  std::optional<Box> moov;  // a movie's header and metadata, or CR3's Exif
};
TopBoxes FindTopBoxes(BoundedReader& file);

}  // namespace tokiwake
