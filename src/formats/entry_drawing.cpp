#include "formats/entry_drawing.h"

#include <array>
#include <cstdint>
#include <utility>

#include "formats/png_codec.h"

namespace {

// Where the rebuilt file's image starts, after its directory header and one entry.
constexpr std::size_t IconFileHeaderBytes = 22;
constexpr Pixel WhitePixel = 0xFFFFFF;
constexpr int WhiteIndex = 15;

std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

// Five bits widened as the system widens them: the top bits repeated below.
int Widen5(int value) { return (value << 3) | (value >> 2); }

// The rows of one entry: bottom-up colour rows, then bottom-up mask rows.
struct EntryRows {
  int bitCount = 0;
  std::array<Pixel, 256> palette{};
  const std::uint8_t* colour = nullptr;
  const std::uint8_t* mask = nullptr;
  std::size_t colourStride = 0;
  std::size_t maskStride = 0;

  int IndexAt(const std::uint8_t* row, int x) const {
    switch (bitCount) {
      case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
      case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
      default: return row[x];
    }
  }

  Pixel ColourAt(const std::uint8_t* row, int x) const {
    switch (bitCount) {
      case 16: {
        const int v = row[2 * x] | (row[2 * x + 1] << 8);
        return MakePixel(Widen5((v >> 10) & 31), Widen5((v >> 5) & 31), Widen5(v & 31));
      }
      case 24: return MakePixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
      case 32: return MakePixel(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
      default: return palette[IndexAt(row, x)];
    }
  }
};

std::optional<EntryRows> RowsOf(const IconEntry& entry) {
  const ByteSpan file(entry.iconFile);
  if (!Holds(file, 0, IconFileHeaderBytes)) return std::nullopt;
  const ByteSpan image = file.subspan(IconFileHeaderBytes);
  const std::optional<std::uint32_t> headerSize = ReadU32(image, 0);
  const std::optional<std::uint16_t> bitCount = ReadU16(image, 14);
  const Size size = entry.size;
  if (!headerSize || !bitCount || size.width <= 0 || size.height <= 0) return std::nullopt;
  if (*bitCount != 1 && *bitCount != 4 && *bitCount != 8 && *bitCount != 16 && *bitCount != 24 && *bitCount != 32) {
    return std::nullopt;
  }
  EntryRows rows;
  rows.bitCount = *bitCount;
  const std::uint32_t paletteEntries = rows.bitCount <= 8 ? 1u << rows.bitCount : 0;
  const std::uint64_t block = std::uint64_t{*headerSize} + 4ull * paletteEntries;
  rows.colourStride = RowBytes(size.width, rows.bitCount);
  rows.maskStride = RowBytes(size.width, 1);
  if (!Holds(image, block, (rows.colourStride + rows.maskStride) * size.height)) return std::nullopt;
  for (std::uint32_t i = 0; i < paletteEntries; ++i) {
    const std::uint8_t* q = image.data() + *headerSize + 4 * i;
    rows.palette[i] = MakePixel(q[2], q[1], q[0]);
  }
  rows.colour = image.data() + block;
  rows.mask = rows.colour + rows.colourStride * size.height;
  return rows;
}

// A PNG entry through our PNG reader, laid over black and over white through its alpha.
std::optional<EntryDrawings> DrawPngEntry(const IconEntry& entry) {
  const ByteSpan file(entry.iconFile);
  if (!Holds(file, 0, IconFileHeaderBytes)) return std::nullopt;
  const ByteSpan png = file.subspan(IconFileHeaderBytes);
  constexpr std::int64_t MaxEntryPixels = std::int64_t{MaxEntrySide} * MaxEntrySide;
  PngDecoded overBlack = DecodePng(png, 0, MaxEntryPixels);
  PngDecoded overWhite = DecodePng(png, WhitePixel, MaxEntryPixels);
  if (overBlack.error != PngError::None || overWhite.error != PngError::None ||
      Size{overBlack.picture.width, overBlack.picture.height} != entry.size) {
    return std::nullopt;
  }
  return EntryDrawings{std::move(overBlack.picture), std::move(overWhite.picture)};
}

}  // namespace

int NearestOfSixteen(Pixel colour) {
  int best = 0;
  int bestDistance = -1;
  for (int i = 0; i < 16; ++i) {
    const Pixel p = SixteenColourPalette[i];
    const int r = RedOf(colour) - RedOf(p), g = GreenOf(colour) - GreenOf(p), b = BlueOf(colour) - BlueOf(p);
    const int distance = r * r + g * g + b * b;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

std::optional<EntryDrawings> DrawEntry(const IconEntry& entry) {
  if (entry.drawing == EntryDrawing::Blended) return DrawPngEntry(entry);
  const std::optional<EntryRows> rows = RowsOf(entry);
  if (!rows) return std::nullopt;
  const int width = entry.size.width, height = entry.size.height;
  const bool sixteen = entry.drawing == EntryDrawing::SixteenColours;
  // On the 16-colour surface every colour becomes a palette index first; with a palette that is
  // one look-up per palette entry, not per pixel.
  std::array<std::uint8_t, 256> paletteIndex{};
  if (sixteen && rows->bitCount <= 8) {
    for (int i = 0; i < (1 << rows->bitCount); ++i) paletteIndex[i] = static_cast<std::uint8_t>(NearestOfSixteen(rows->palette[i]));
  }
  EntryDrawings drawings{PixelBuffer(width, height), PixelBuffer(width, height)};
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* colourRow = rows->colour + rows->colourStride * (height - 1 - y);
    const std::uint8_t* maskRow = rows->mask + rows->maskStride * (height - 1 - y);
    Pixel* black = &drawings.overBlack.At(0, y);
    Pixel* white = &drawings.overWhite.At(0, y);
    for (int x = 0; x < width; ++x) {
      const bool seeThrough = (maskRow[x / 8] >> (7 - x % 8)) & 1;
      if (sixteen) {
        const int index = rows->bitCount <= 8 ? paletteIndex[rows->IndexAt(colourRow, x)]
                                              : NearestOfSixteen(rows->ColourAt(colourRow, x));
        black[x] = SixteenColourPalette[index];
        white[x] = SixteenColourPalette[seeThrough ? WhiteIndex ^ index : index];
      } else {
        const Pixel colour = rows->ColourAt(colourRow, x);
        black[x] = colour;
        white[x] = seeThrough ? colour ^ WhitePixel : colour;
      }
    }
  }
  return drawings;
}

std::optional<MaskAndColour> EntryPictures(const IconEntry& entry) {
  const std::optional<EntryDrawings> drawings = DrawEntry(entry);
  if (!drawings) return std::nullopt;
  return entry.drawing == EntryDrawing::Blended ? SplitBlended(drawings->overBlack, drawings->overWhite)
                                                : SplitOverBlackAndWhite(drawings->overBlack, drawings->overWhite);
}
