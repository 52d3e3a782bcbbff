#pragma once
// Cursor, icon and animated-cursor files built in memory for the tests, so that every case states
// its own bytes.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "common/pixels.h"

namespace cursor_test {

using Bytes = std::vector<std::uint8_t>;

inline void Append16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Append32(Bytes& out, std::uint32_t value) {
  Append16(out, value);
  Append16(out, value >> 16);
}

inline void Put16(Bytes& out, std::size_t at, std::uint16_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(Bytes& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Rows bottom-up, each padded to 4 bytes, of `value(x, y)` (y from the top): palette indexes up to
// 8 bits, 0x00RRGGBB at 16 (as 5-5-5) and 24 bits, 0xAARRGGBB at 32 bits.
inline Bytes Rows(int width, int height, int bitCount, const std::function<std::uint32_t(int, int)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  Bytes rows(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &rows[(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      if (bitCount < 8) {
        const int shift = 8 - bitCount - (x * bitCount) % 8;
        row[x * bitCount / 8] |= static_cast<std::uint8_t>(v << shift);
      } else if (bitCount == 16) {
        const std::uint32_t rgb = ((v >> 19 & 31) << 10) | ((v >> 11 & 31) << 5) | (v >> 3 & 31);
        row[x * 2] = static_cast<std::uint8_t>(rgb);
        row[x * 2 + 1] = static_cast<std::uint8_t>(rgb >> 8);
      } else {
        for (int i = 0; i < bitCount / 8; ++i) row[x * bitCount / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
      }
    }
  }
  return rows;
}

inline Bytes Uniform(int width, int height, int bitCount, std::uint32_t value) {
  return Rows(width, height, bitCount, [value](int, int) { return value; });
}

struct InfoHeader {
  std::int32_t width = 32;
  std::int32_t height = 64;  // XOR and AND rows together
  std::uint16_t bitCount = 4;
  std::uint32_t headerSize = 40;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::uint32_t coloursUsed = 0;
};

inline Bytes HeaderBytes(const InfoHeader& h) {
  Bytes out;
  Append32(out, h.headerSize);
  Append32(out, static_cast<std::uint32_t>(h.width));
  Append32(out, static_cast<std::uint32_t>(h.height));
  Append16(out, 1);
  Append16(out, h.bitCount);
  Append32(out, h.compression);
  Append32(out, h.imageSize);
  for (int i = 0; i < 2; ++i) Append32(out, 2835);
  Append32(out, h.coloursUsed);
  Append32(out, 0);
  // Later header layouts are zero-filled; sizes no layout has leave 40 bytes.
  if (h.headerSize > 40 && h.headerSize <= 124) out.resize(h.headerSize, 0);
  return out;
}

// An entry image: the header, 2^bitCount palette entries up to 8 bits (`palette` first, then
// black), the XOR rows and the AND rows.
inline Bytes EntryImage(const InfoHeader& header, const std::vector<Pixel>& palette, const Bytes& xorRows,
                        const Bytes& andRows) {
  Bytes out = HeaderBytes(header);
  if (header.bitCount <= 8) {
    for (std::uint32_t i = 0; i < (1u << header.bitCount); ++i) Append32(out, i < palette.size() ? palette[i] : 0);
  }
  return out + xorRows + andRows;
}

// A plain entry: every XOR pixel `value`, the mask all opaque.
inline Bytes PlainEntry(int width, int height, int bitCount, std::uint32_t value = 1,
                        const std::vector<Pixel>& palette = {0, MakePixel(255, 255, 255)}) {
  return EntryImage({width, 2 * height, static_cast<std::uint16_t>(bitCount)}, palette,
                    Uniform(width, height, bitCount, value), Uniform(width, height, 1, 0));
}

struct DirectoryEntry {
  Bytes image;
  std::uint16_t hotX = 0;
  std::uint16_t hotY = 0;
  std::uint8_t width = 32;
  std::uint8_t height = 32;
  std::uint8_t colours = 16;
  std::optional<std::uint32_t> offset;  // after the directory, one image after another, unless given
  std::optional<std::uint32_t> size;    // the image's length unless given
};

// type 1 icon, 2 cursor.
inline Bytes IconDirectory(std::uint16_t type, const std::vector<DirectoryEntry>& entries) {
  Bytes out;
  Append16(out, 0);
  Append16(out, type);
  Append16(out, static_cast<std::uint32_t>(entries.size()));
  std::uint32_t next = static_cast<std::uint32_t>(6 + 16 * entries.size());
  Bytes images;
  for (const DirectoryEntry& e : entries) {
    out.insert(out.end(), {e.width, e.height, e.colours, 0});
    Append16(out, e.hotX);
    Append16(out, e.hotY);
    Append32(out, e.size.value_or(static_cast<std::uint32_t>(e.image.size())));
    Append32(out, e.offset.value_or(next));
    next += static_cast<std::uint32_t>(e.image.size());
    images = images + e.image;
  }
  return out + images;
}

// A RIFF chunk, padded to even length unless told otherwise; `size` overrides the length field.
inline Bytes Chunk(std::string_view tag, const Bytes& data, std::optional<std::uint32_t> size = {}, bool pad = true) {
  Bytes out = Text(tag);
  Append32(out, size.value_or(static_cast<std::uint32_t>(data.size())));
  out = out + data;
  if (pad && data.size() % 2 != 0) out.push_back(0);
  return out;
}

struct AnimationHeader {
  std::uint32_t frames = 1;
  std::uint32_t steps = 1;
  std::uint32_t rate = 10;
  std::uint32_t flags = 1;  // icon frames
};

inline Bytes HeaderChunk(const AnimationHeader& h, std::uint32_t length = 36) {
  Bytes data;
  Append32(data, 36);
  Append32(data, h.frames);
  Append32(data, h.steps);
  for (int i = 0; i < 4; ++i) Append32(data, 0);  // width, height, bit count, planes
  Append32(data, h.rate);
  Append32(data, h.flags);
  data.resize(length, 0);
  return Chunk("anih", data);
}

inline Bytes FrameList(const std::vector<Bytes>& frames, std::optional<std::uint32_t> size = {}) {
  Bytes data = Text("fram");
  for (const Bytes& frame : frames) data = data + Chunk("icon", frame);
  return Chunk("LIST", data, size);
}

inline Bytes Riff(const Bytes& chunks) {
  Bytes out = Text("RIFF");
  Append32(out, static_cast<std::uint32_t>(chunks.size() + 4));
  return out + Text("ACON") + chunks;
}

// A sound animation of the given frames, each a one-entry icon file.
inline Bytes Animation(const std::vector<Bytes>& frames) {
  return Riff(HeaderChunk({static_cast<std::uint32_t>(frames.size()), static_cast<std::uint32_t>(frames.size())}) +
              FrameList(frames));
}

// A PNG of `width` x `height` RGBA pixels from `value(x, y)` as 0xAARRGGBB, its image data in
// uncompressed deflate blocks.
inline Bytes Png(int width, int height, const std::function<std::uint32_t(int, int)>& value) {
  const auto crc = [](const Bytes& data) {
    std::uint32_t c = 0xFFFFFFFF;
    for (std::uint8_t byte : data) {
      c ^= byte;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
  };
  const auto bigEndian = [](std::uint32_t v) {
    return Bytes{static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                 static_cast<std::uint8_t>(v)};
  };
  const auto chunk = [&](std::string_view type, const Bytes& data) {
    const Bytes typed = Text(type) + data;
    return bigEndian(static_cast<std::uint32_t>(data.size())) + typed + bigEndian(crc(typed));
  };
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      raw.insert(raw.end(), {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 24)});
    }
  }
  Bytes zlib{0x78, 0x01};
  for (std::size_t at = 0; at < raw.size(); at += 65535) {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    zlib.push_back(at + length == raw.size() ? 1 : 0);
    Append16(zlib, static_cast<std::uint32_t>(length));
    Append16(zlib, static_cast<std::uint32_t>(~length & 0xFFFF));
    zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + length);
  }
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  zlib = zlib + bigEndian(b << 16 | a);
  const Bytes header = bigEndian(width) + bigEndian(height) + Bytes{8, 6, 0, 0, 0};
  return Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A} + chunk("IHDR", header) + chunk("IDAT", zlib) +
         chunk("IEND", {});
}

}  // namespace cursor_test
