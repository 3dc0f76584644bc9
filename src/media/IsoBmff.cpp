#include "media/IsoBmff.h"

#include <algorithm>

#include "media/ByteCursor.h"

namespace tokiwake {

bool IsIsoBmff(std::string_view header) {
  if (header.size() < 8) return false;
  const uint32_t type = ByteCursor(header.substr(4, 4)).U32();
  return type == FourCc("ftyp") || type == FourCc("moov") || type == FourCc("mdat") ||
         type == FourCc("free") || type == FourCc("skip") || type == FourCc("wide") ||
         type == FourCc("pnot");
}

bool ReadBox(BoundedReader& file, uint64_t at, uint64_t end, Box& box) {
  std::string head;
  if (at >= end || end - at < 8 || !file.Read(at, 8, head)) return false;
  ByteCursor in(head);
  uint64_t size = in.U32();
  box.type = in.U32();
  uint64_t header = 8;
  if (size == 1) {  // the real size follows in 64 bits
    if (end - at < 16 || !file.Read(at + 8, 8, head)) return false;
    size = ByteCursor(head).U64();
    header = 16;
  } else if (size == 0) {  // the last box, to the end of its parent
    size = end - at;
  }
  if (size < header) return false;
  box.payload = at + header;
  box.end = at + std::min(size, end - at);
  return box.payload <= box.end;
}

bool ReadPayload(BoundedReader& file, const Box& box, size_t most, std::string& out) {
  const uint64_t length = std::min<uint64_t>(box.end - box.payload, most);
  return file.Read(box.payload, static_cast<size_t>(length), out);
}

TopBoxes FindTopBoxes(BoundedReader& file) {
  TopBoxes top;
  ForEachBox(file, 0, file.Size(), [&](const Box& box) {
    if (box.type == FourCc("meta") && !top.meta) top.meta = box;
    if (box.type == FourCc("moov") && !top.moov) top.moov = box;
    return !top.meta || !top.moov;
  });
  return top;
}

}  // namespace tokiwake
