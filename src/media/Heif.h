// The Exif of the image formats built on ISO boxes: a HEIF or AVIF image keeps it as an item of
// its top-level 'meta'; a CR3 raw file keeps it as two TIFF structures in a box of Canon's own
// inside 'moov'.
#pragma once

#include "media/BoundedReader.h"
#include "media/IsoBmff.h"
#include "media/Tiff.h"

namespace tokiwake {

void ReadHeifDates(BoundedReader& file, const Box& meta, ExifDates& dates);
void ReadCr3Dates(BoundedReader& file, const Box& moov, ExifDates& dates);

}  // namespace tokiwake
