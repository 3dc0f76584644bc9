// Tiny files of every format the shooting-date reader knows, each built around a TIFF structure,
// and a file source that counts its reads and can fail one of them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "media/ByteSource.h"

namespace tokiwake::test {

using Bytes = std::string;

inline Bytes Num(uint64_t value, int width, bool bigEndian = true) {
  Bytes bytes(width, '\0');
  for (int i = 0; i < width && i < 8; ++i)
    bytes[bigEndian ? width - 1 - i : i] = char(value >> (8 * i));
  return bytes;
}

using Tag = std::pair<uint16_t, Bytes>;  // the text written as ASCII with its NUL

// One IFD at `at` with its values after it, and a pointer to the Exif IFD unless `exifAt` is 0.
inline Bytes Ifd(bool big, size_t at, const std::vector<Tag>& tags, uint32_t exifAt = 0) {
  const size_t count = tags.size() + (exifAt ? 1 : 0);
  Bytes entries = Num(count, 2, big), values;
  for (const Tag& tag : tags) {
    entries += Num(tag.first, 2, big) + Num(2, 2, big) + Num(tag.second.size() + 1, 4, big) +
               Num(at + 6 + 12 * count + values.size(), 4, big);
    values += tag.second + '\0';
  }
  if (exifAt)
    entries += Num(0x8769, 2, big) + Num(4, 2, big) + Num(1, 4, big) + Num(exifAt, 4, big);
  return entries + Num(0, 4, big) + values;
}

// IFD0 at 8 and, when `exif` has tags, the Exif IFD after it.
inline Bytes Tiff(bool big, const std::vector<Tag>& ifd0, const std::vector<Tag>& exif = {}) {
  Bytes tiff = Bytes(big ? "MM\0*" : "II*\0", 4) + Num(8, 4, big);
  const size_t exifAt = 8 + Ifd(big, 8, ifd0, 1).size();
  tiff += Ifd(big, 8, ifd0, exif.empty() ? 0 : exifAt);
  return exif.empty() ? tiff : tiff + Ifd(big, exifAt, exif);
}

inline Bytes Patched(Bytes bytes, size_t at, const Bytes& with) {
  return bytes.replace(at, with.size(), with);
}

inline Bytes Segment(char marker, const Bytes& payload) {
  return Bytes("\xFF") + marker + Num(payload.size() + 2, 2) + payload;
}
// An XMP segment of `xmp` bytes first, as editors write them, and a fill byte.
inline Bytes Jpeg(const Bytes& tiff, size_t xmp = 100) {
  return "\xFF\xD8" + Segment('\xE1', "http://ns.adobe.com/xap/1.0/" + Bytes(xmp, ' ')) + "\xFF" +
         Segment('\xE1', Bytes("Exif\0\0", 6) + tiff) + Segment('\xDA', "scan") + "\xFF\xD9";
}

inline Bytes Chunk(const Bytes& type, const Bytes& data, bool png) {
  const Bytes body =
      png ? Num(data.size(), 4) + type + data + "CRC!" : type + Num(data.size(), 4, false) + data;
  return data.size() % 2 && !png ? body + '\0' : body;
}
// The Exif after the image data, with or without the "Exif\0\0" that some writers put first.
inline Bytes Png(const Bytes& tiff, bool prefixed) {
  return "\x89PNG\r\n\x1A\n" + Chunk("IHDR", Bytes(13, '\1'), true) +
         Chunk("IDAT", "pixels", true) +
         Chunk("eXIf", (prefixed ? Bytes("Exif\0\0", 6) : "") + tiff, true) +
         Chunk("IEND", "", true);
}
inline Bytes Webp(const Bytes& tiff, bool prefixed) {
  const Bytes chunks = Chunk("VP8X", Bytes(10, '\0'), false) + Chunk("VP8 ", "odd", false) +
                       Chunk("EXIF", (prefixed ? Bytes("Exif\0\0", 6) : "") + tiff, false);
  return "RIFF" + Num(chunks.size() + 4, 4, false) + "WEBP" + chunks;
}

inline Bytes Box(const Bytes& type, const Bytes& payload) {
  return Num(payload.size() + 8, 4) + type + payload;
}
inline Bytes FullBox(const Bytes& type, int version, const Bytes& payload) {
  return Box(type, Num(version, 1) + Num(0, 3) + payload);
}
inline Bytes Ftyp(const Bytes& brand) { return Box("ftyp", brand + Num(0, 4) + "mif1" + brand); }

// Item 1 an image, item 2 the Exif, in a box of its own after 'meta'; the item tables in the
// layout `iloc` and `infe` name. Versions 1 and 2 of the location table place the Exif by a base
// offset.
inline Bytes Heif(const Bytes& tiff, int iloc, int infe, int method = 0) {
  const auto item = [&](int id, const Bytes& type) {
    return FullBox("infe", infe, Num(id, infe == 2 ? 2 : 4) + Num(0, 2) + type + '\0');
  };
  const auto meta = [&](uint64_t exifAt) {
    Bytes table = Num(0x44, 1) + Num(iloc == 0 ? 0 : 0x40, 1) + Num(2, iloc < 2 ? 2 : 4);
    for (int id = 1; id <= 2; ++id) {
      table += Num(id, iloc < 2 ? 2 : 4) + (iloc == 0 ? "" : Num(method, 2)) + Num(0, 2) +
               (iloc == 0 ? "" : Num(id == 2 ? exifAt : 0, 4)) + Num(1, 2) +
               Num(iloc == 0 && id == 2 ? exifAt : 0, 4) + Num(id == 2 ? 10 + tiff.size() : 5, 4);
    }
    return FullBox("meta", 0,
                   FullBox("hdlr", 0, Num(0, 4) + "pict" + Num(0, 13)) +
                       FullBox("iinf", 0, Num(2, 2) + item(1, "hvc1") + item(2, "Exif")) +
                       FullBox("iloc", iloc, table));
  };
  const Bytes mdat = Box("mdat", Num(6, 4) + Bytes("Exif\0\0", 6) + tiff);
  return Ftyp("heic") + meta((Ftyp("heic") + meta(0)).size() + 8) + mdat;
}

// CMT1 holds IFD0, CMT2 the Exif IFD's fields as its first IFD.
inline Bytes Cr3(const Bytes& cmt1, const Bytes& cmt2) {
  const Bytes uuid("\x85\xC0\xB6\x87\x82\x0F\x11\xE0\x81\x11\xF4\xCE\x46\x2B\x6A\x48", 16);
  return Ftyp("crx ") + Box("moov", Box("uuid", uuid + Box("CMT1", cmt1) + Box("CMT2", cmt2))) +
         Box("mdat", "raw");
}

inline Bytes Raf(const Bytes& jpeg) {
  const Bytes head = Bytes("FUJIFILMCCD-RAW 0201FF383501").append(56, '\0');
  return head + Num(100, 4) + Num(jpeg.size(), 4) + Bytes(8, '\0') + jpeg + "raw data";
}

// `created` counts seconds since 1904; no metadata when `creationDate` is empty, and an ISO
// 'meta' (with version and flags) as MP4 writers make it when `isoMeta`. Data of `mdat` bytes
// comes first, its size in 64 bits.
inline Bytes Mov(int version, uint64_t created, const Bytes& creationDate = "",
                 bool isoMeta = false, size_t mdat = 100) {
  const int width = version == 1 ? 8 : 4;
  const Bytes mvhd =
      FullBox("mvhd", version, Num(created, width) + Num(0, width) + Num(600, 4) + Num(0, width));
  Bytes meta;
  if (!creationDate.empty()) {
    const auto value = [](const Bytes& text) { return Box("data", Num(1, 4) + Num(0, 4) + text); };
    const Bytes inner =
        FullBox("hdlr", 0, Num(0, 4) + "mdta" + Num(0, 13)) +
        FullBox("keys", 0,
                Num(2, 4) + Box("mdta", "com.apple.quicktime.make") +
                    Box("mdta", "com.apple.quicktime.creationdate")) +
        Box("ilst", Box(Num(1, 4), value("Apple")) + Box(Num(2, 4), value(creationDate)));
    meta = Box("meta", isoMeta ? Num(0, 4) + inner : inner);
  }
  return Ftyp("qt  ") + Num(1, 4) + "mdat" + Num(mdat + 16, 8) + Bytes(mdat, '\0') +
         Box("moov", mvhd + Box("trak", "tracks") + meta);
}

// The file in memory; read number `failAt` (0 the first) fails, and `shrunk` bytes at the end are
// gone when read, as if the file was cut while it was read.
class TestSource final : public ByteSource {
 public:
  explicit TestSource(Bytes bytes, int failAt = -1, size_t shrunk = 0)
      : file_(std::move(bytes)), memory_(file_), failAt_(failAt), cut_(file_.size() - shrunk) {}
  uint64_t Size() const override { return memory_.Size(); }
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
    bytes += count;
    if (reads++ == failAt_) return false;
    memory_.ReadAt(offset, count, out);
    if (offset + out.size() > cut_) out.resize(offset < cut_ ? cut_ - offset : 0);
    return true;
  }
  uint64_t bytes = 0;
  int reads = 0;

 private:
  Bytes file_;
  MemorySource memory_;
  int failAt_;
  uint64_t cut_;
};

}  // namespace tokiwake::test
