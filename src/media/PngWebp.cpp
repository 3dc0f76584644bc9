#include "media/PngWebp.h"

#include <string>

#include "media/ByteCursor.h"

namespace tokiwake {
namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1A\n", 8);

// A chunk's header: its type, and its length read in the format's byte order. Each walk below
// moves on by at least a header a turn, and the reader's caps end a walk over a long file.
struct Chunk {
  uint32_t type = 0;
  uint64_t length = 0;
};

bool ReadChunk(BoundedReader& file, uint64_t at, bool bigEndian, Chunk& chunk) {
  std::string head;
  if (!file.Read(at, 8, head)) return false;
  ByteCursor in(head, bigEndian);
  if (bigEndian) {
    chunk.length = in.U32();
    chunk.type = ByteCursor(head.substr(4)).U32();
  } else {
    chunk.type = ByteCursor(head).U32();
    in.Skip(4);
    chunk.length = in.U32();
  }
  return FitsIn(at + 8, chunk.length, file.Size());
}

}  // namespace

bool IsPng(std::string_view header) { return header.starts_with(kPngSignature); }

void ReadPngDates(BoundedReader& file, ExifDates& dates) {
  Chunk chunk;
  for (uint64_t at = kPngSignature.size(); ReadChunk(file, at, true, chunk);) {
    if (chunk.type == FourCc("eXIf")) return ReadExifBlock(file, at + 8, chunk.length, dates);
    if (chunk.type == FourCc("IEND")) return;
    at += 12 + chunk.length;  // header, data and CRC
  }
}

bool IsWebp(std::string_view header) {
  return header.size() >= 12 && header.starts_with("RIFF") && header.substr(8, 4) == "WEBP";
}

void ReadWebpDates(BoundedReader& file, ExifDates& dates) {
  Chunk chunk;
  for (uint64_t at = 12; ReadChunk(file, at, false, chunk);) {
    if (chunk.type == FourCc("EXIF")) return ReadExifBlock(file, at + 8, chunk.length, dates);
    at += 8 + chunk.length + (chunk.length & 1);  // padded to an even length
  }
}

}  // namespace tokiwake
