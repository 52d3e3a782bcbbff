#include "formats/icon_entry.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The one-entry icon file: the 6-byte directory header and its one 16-byte entry.
constexpr std::uint32_t IconFileHeaderBytes = 22;
// Where an info header keeps its image size.
constexpr std::size_t ImageSizeField = 20;
// The PNG signature, then the IHDR chunk's length, type, width and height.
constexpr std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint32_t PngHeaderBytes = 8 + 8 + 13 + 4;

std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

void Append16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Append16(out, value);
  Append16(out, value >> 16);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t BigEndian32(ByteSpan bytes, std::size_t at) {
  return (static_cast<std::uint32_t>(bytes[at]) << 24) | (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
}

bool OneOf(std::uint32_t value, std::initializer_list<std::uint32_t> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool SideFits(std::int64_t side) { return side >= 1 && side <= MaxEntrySide; }

// Header and entry of the rebuilt file: type 1 (an icon, also for cursor entries), one entry,
// its width and height, colour count, two zero words, the data size and the data at offset 22.
std::vector<std::uint8_t> IconFileHeader(Size size, std::uint32_t colourCount, std::uint32_t dataSize) {
  std::vector<std::uint8_t> file;
  file.reserve(IconFileHeaderBytes + dataSize);
  Append16(file, 0);
  Append16(file, 1);
  Append16(file, 1);
  file.push_back(static_cast<std::uint8_t>(size.width));
  file.push_back(static_cast<std::uint8_t>(size.height));
  file.push_back(static_cast<std::uint8_t>(colourCount));
  file.push_back(0);
  Append16(file, 0);
  Append16(file, 0);
  Append32(file, dataSize);
  Append32(file, IconFileHeaderBytes);
  return file;
}

std::optional<IconEntry> RebuildPng(ByteSpan image, std::uint32_t declaredSize) {
  if (declaredSize < PngHeaderBytes || !Holds(image, 0, declaredSize) || !HasTag(image, 12, "IHDR")) {
    return std::nullopt;
  }
  const std::int64_t width = BigEndian32(image, 16);
  const std::int64_t height = BigEndian32(image, 20);
  if (!SideFits(width) || !SideFits(height)) return std::nullopt;
  const Size size{static_cast<int>(width), static_cast<int>(height)};
  IconEntry entry{size, EntryDrawing::Blended, IconFileHeader(size, 0, declaredSize)};
  entry.iconFile.insert(entry.iconFile.end(), image.begin(), image.begin() + declaredSize);
  return entry;
}

bool MaskBit(ByteSpan mask, std::size_t stride, int x, int y) {
  return (mask[y * stride + x / 8] >> (7 - x % 8)) & 1;
}

// A 32-bit entry's own mask decides where it marks anything transparent; where it marks nothing
// (or is missing) the alpha does, opaque from 128 up; with neither the square is opaque. An entry
// with alpha inverts nothing. The rebuilt rows carry no alpha, so every decoder draws them
// through the mask.
void AppendThirtyTwoBitRows(std::vector<std::uint8_t>& file, ByteSpan rows, Size size, bool maskPresent) {
  const std::size_t colourStride = static_cast<std::size_t>(size.width) * 4;
  const std::size_t maskStride = RowBytes(size.width, 1);
  const std::size_t colourBytes = colourStride * size.height;
  std::vector<std::uint8_t> mask(maskStride * size.height, 0);
  if (maskPresent) std::copy_n(rows.begin() + colourBytes, mask.size(), mask.begin());

  bool maskUsable = false;
  bool alphaUsable = false;
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      maskUsable = maskUsable || MaskBit(mask, maskStride, x, y);
      alphaUsable = alphaUsable || rows[y * colourStride + x * 4 + 3] != 0;
    }
  }
  const std::size_t colourAt = file.size();
  file.insert(file.end(), rows.begin(), rows.begin() + colourBytes);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      std::uint8_t* pixel = &file[colourAt + y * colourStride + x * 4];
      const bool opaque = maskUsable ? !MaskBit(mask, maskStride, x, y) : !alphaUsable || pixel[3] >= 128;
      if (!opaque && alphaUsable) std::fill_n(pixel, 3, 0);
      if (!maskUsable && !opaque) mask[y * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      pixel[3] = 0;
    }
  }
  file.insert(file.end(), mask.begin(), mask.end());
}

std::optional<IconEntry> RebuildBitmap(ByteSpan image) {
  const std::optional<std::uint32_t> headerSize = ReadU32(image, 0);
  if (!headerSize || !OneOf(*headerSize, {40, 108, 124}) || !Holds(image, 0, *headerSize)) return std::nullopt;
  const auto width = static_cast<std::int32_t>(*ReadU32(image, 4));
  const auto height = static_cast<std::int32_t>(*ReadU32(image, 8));
  const std::uint16_t bitCount = *ReadU16(image, 14);
  const std::uint32_t compression = *ReadU32(image, 16);
  const std::uint32_t coloursUsed = *ReadU32(image, 32);
  // The height covers the XOR and the AND rows, so it is even.
  if (!SideFits(width) || height % 2 != 0 || !SideFits(height / 2)) return std::nullopt;
  if (!OneOf(bitCount, {1, 4, 8, 16, 24, 32}) || compression != 0) return std::nullopt;
  // The palette always has 2^bitcount entries (none above 8 bits); more colours cannot be used.
  const std::uint32_t paletteEntries = bitCount <= 8 ? 1u << bitCount : 0;
  if (coloursUsed > paletteEntries) return std::nullopt;

  const Size size{width, height / 2};
  const std::uint64_t block = *headerSize + 4ull * paletteEntries;
  const std::uint64_t xorBytes = RowBytes(size.width, bitCount) * size.height;
  const std::uint64_t andBytes = RowBytes(size.width, 1) * size.height;
  const bool maskPresent = Holds(image, block, xorBytes + andBytes);
  // Only a 32-bit entry can do without its mask.
  if (!maskPresent && (bitCount != 32 || !Holds(image, block, xorBytes))) return std::nullopt;

  const auto dataSize = static_cast<std::uint32_t>(block + xorBytes + andBytes);
  IconEntry entry{size, bitCount <= 8 ? EntryDrawing::SixteenColours : EntryDrawing::TrueColour,
                  IconFileHeader(size, bitCount < 8 ? 1u << bitCount : 0, dataSize)};
  std::vector<std::uint8_t>& file = entry.iconFile;
  file.insert(file.end(), image.begin(), image.begin() + block);
  Put32(file, IconFileHeaderBytes + ImageSizeField, static_cast<std::uint32_t>(xorBytes + andBytes));
  const ByteSpan rows = image.subspan(block);
  if (bitCount == 32) {
    AppendThirtyTwoBitRows(file, rows, size, maskPresent);
  } else {
    file.insert(file.end(), rows.begin(), rows.begin() + (xorBytes + andBytes));
  }
  return entry;
}

}  // namespace

std::optional<IconEntry> RebuildIconEntry(ByteSpan image, std::uint32_t declaredSize) {
  if (Holds(image, 0, sizeof PngSignature) && std::equal(std::begin(PngSignature), std::end(PngSignature), image.begin())) {
    return RebuildPng(image, declaredSize);
  }
  return RebuildBitmap(image);
}

const std::array<Pixel, 16> SixteenColourPalette = {
    MakePixel(0, 0, 0),       MakePixel(128, 0, 0),   MakePixel(0, 128, 0),   MakePixel(128, 128, 0),
    MakePixel(0, 0, 128),     MakePixel(128, 0, 128), MakePixel(0, 128, 128), MakePixel(192, 192, 192),
    MakePixel(128, 128, 128), MakePixel(255, 0, 0),   MakePixel(0, 255, 0),   MakePixel(255, 255, 0),
    MakePixel(0, 0, 255),     MakePixel(255, 0, 255), MakePixel(0, 255, 255), MakePixel(255, 255, 255),
};

PixelBuffer ExpandSixteenColourRows(ByteSpan rows, int width, int height) {
  const std::size_t stride = RowBytes(width, 4);
  if (width <= 0 || height <= 0 || !Holds(rows, 0, stride * height)) return {};
  PixelBuffer picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t pair = rows[y * stride + x / 2];
      picture.At(x, y) = SixteenColourPalette[x % 2 == 0 ? pair >> 4 : pair & 0x0F];
    }
  }
  return picture;
}

MaskAndColour SplitOverBlackAndWhite(const PixelBuffer& overBlack, const PixelBuffer& overWhite) {
  MaskAndColour pictures{PixelBuffer(overBlack.width, overBlack.height), PixelBuffer(overBlack.width, overBlack.height)};
  for (std::size_t i = 0; i < overBlack.pixels.size(); ++i) {
    pictures.xorColour.pixels[i] = overBlack.pixels[i] & 0xFFFFFF;
    pictures.andMask.pixels[i] = (overWhite.pixels[i] ^ overBlack.pixels[i]) & 0xFFFFFF;
  }
  return pictures;
}

MaskAndColour SplitBlended(const PixelBuffer& overBlack, const PixelBuffer& overWhite) {
  constexpr Pixel White = MakePixel(255, 255, 255);
  MaskAndColour pictures{PixelBuffer(overBlack.width, overBlack.height, White),
                          PixelBuffer(overBlack.width, overBlack.height)};
  for (std::size_t i = 0; i < overBlack.pixels.size(); ++i) {
    const Pixel black = overBlack.pixels[i];
    const Pixel white = overWhite.pixels[i];
    // Over black a pixel shows colour × alpha, over white that plus (255 - alpha).
    const int seeThrough = std::max({RedOf(white) - RedOf(black), GreenOf(white) - GreenOf(black),
                                      BlueOf(white) - BlueOf(black), 0});
    const int alpha = 255 - std::min(seeThrough, 255);
    if (alpha < 128) continue;
    const auto own = [alpha](int shown) { return std::min(255, (shown * 255 + alpha / 2) / alpha); };
    pictures.xorColour.pixels[i] = MakePixel(own(RedOf(black)), own(GreenOf(black)), own(BlueOf(black)));
    pictures.andMask.pixels[i] = 0;
  }
  return pictures;
}
