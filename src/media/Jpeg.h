// The Exif block of a JPEG stream, found by walking its segments from one length to the next, and
// the JPEG preview inside a Fujifilm-style raw file, which carries that raw file's Exif.
#pragma once

#include <cstdint>
#include <string_view>

#include "media/BoundedReader.h"
#include "media/Tiff.h"

namespace tokiwake {

bool IsJpeg(std::string_view header);
// The stream from `offset` (its SOI) up to `end`: only each segment's marker and length are read
// until the first APP1 that holds Exif. The walk stops at the image data.
void ReadJpegDates(BoundedReader& file, uint64_t offset, uint64_t end, ExifDates& dates);

bool IsRaf(std::string_view header);
void ReadRafDates(BoundedReader& file, ExifDates& dates);

}  // namespace tokiwake
