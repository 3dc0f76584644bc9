// The Exif chunk of a PNG or WebP image, found by seeking from one chunk header to the next: it
// may come after the image data, which is never read.
#pragma once

#include <string_view>

#include "media/BoundedReader.h"
#include "media/Tiff.h"

namespace tokiwake {

bool IsPng(std::string_view header);
void ReadPngDates(BoundedReader& file, ExifDates& dates);

bool IsWebp(std::string_view header);
void ReadWebpDates(BoundedReader& file, ExifDates& dates);

}  // namespace tokiwake
