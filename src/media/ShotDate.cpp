#include "media/ShotDate.h"

#include <algorithm>
#include <optional>
#include <string>

#include "media/BoundedReader.h"
#include "media/Heif.h"
#include "media/Jpeg.h"
#include "media/Movie.h"
#include "media/PngWebp.h"
#include "media/Tiff.h"

namespace tokiwake {
namespace {

// Enough to tell every format apart.
constexpr size_t kHeaderBytes = 16;

struct FoundDates {
  ExifDates exif;
  MovieDates movie;
};

void ReadIsoBmffDates(BoundedReader& file, FoundDates& found) {
  const TopBoxes top = FindTopBoxes(file);
  if (top.meta) ReadHeifDates(file, *top.meta, found.exif);
  if (top.moov) {
    ReadCr3Dates(file, *top.moov, found.exif);
    found.movie = ReadMovieDates(file, *top.moov);
  }
}

void ReadDates(BoundedReader& file, std::string_view header, FoundDates& found) {
  if (IsJpeg(header)) {
    ReadJpegDates(file, 0, file.Size(), found.exif);
  } else if (TiffByteOrder(header)) {
    ReadTiffDates(file, 0, file.Size(), FirstIfd::kIfd0, found.exif);
  } else if (IsRaf(header)) {
    ReadRafDates(file, found.exif);
  } else if (IsPng(header)) {
    ReadPngDates(file, found.exif);
  } else if (IsWebp(header)) {
    ReadWebpDates(file, found.exif);
  } else if (IsIsoBmff(header)) {
    ReadIsoBmffDates(file, found);
  }
}

std::optional<ShotDate> FirstDate(const FoundDates& found) {
  const ExifDates& exif = found.exif;
  if (exif.original) return ShotDate{DateOrigin::kDateTimeOriginal, *exif.original, false};
  if (exif.digitized) return ShotDate{DateOrigin::kCreateDate, *exif.digitized, false};
  if (exif.modified) return ShotDate{DateOrigin::kIfd0DateTime, *exif.modified, false};
  const MovieDates& movie = found.movie;
  if (movie.creationDate) {
    return ShotDate{DateOrigin::kQuickTimeCreationDate, movie.creationDate->time,
                    movie.creationDate->isUtc};
  }
  if (movie.movieHeader) return ShotDate{DateOrigin::kMovieHeader, *movie.movieHeader, true};
  return std::nullopt;
}

}  // namespace

ShotDateResult ReadShotDate(ByteSource& source) {
  BoundedReader file(source);
  std::string header;
  FoundDates found;
  if (file.Read(0, static_cast<size_t>(std::min<uint64_t>(kHeaderBytes, file.Size())), header)) {
    ReadDates(file, header, found);
  }
  if (file.Failed()) return {ShotDateStatus::kUnreadable, {}};
  const std::optional<ShotDate> date = FirstDate(found);
  if (!date) return {};
  return {ShotDateStatus::kFound, *date};
}

}  // namespace tokiwake
