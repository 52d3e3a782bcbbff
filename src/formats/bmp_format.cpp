#include "formats/bmp_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstdlib>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::size_t MaskBytes = 12;

enum Compression : std::uint32_t { PlainRgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(Read16(bytes, at)) | (static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16);
}

void Write16(std::uint8_t* at, std::uint32_t value) {
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Write32(std::uint8_t* at, std::uint32_t value) {
  Write16(at, value);
  Write16(at + 2, value >> 16);
}

bool KnownHeaderSize(std::uint32_t size) {
  // Core, info, and the V2 to V5 extensions of the info header.
  return size == CoreHeaderSize || size == InfoHeaderSize || size == 52 || size == 56 || size == 108 ||
         size == 124;
}

bool SupportedFormat(int bitCount, std::uint32_t compression) {
  switch (compression) {
    case PlainRgb:
      return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    case Rle8:
      return bitCount == 8;
    case Rle4:
      return bitCount == 4;
    case BitFields:
      return bitCount == 16 || bitCount == 32;
    default:
      return false;
  }
}

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits. Any mask is safe: the value
// never exceeds its bit width, and an empty mask gives 0.
class MaskChannel {
 public:
  explicit MaskChannel(std::uint32_t mask)
      : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), bits_(mask ? std::bit_width(mask >> shift_) : 0) {}

  int Extract(std::uint32_t value) const {
    const std::uint32_t raw = (value & mask_) >> shift_;
    if (bits_ >= 8) return static_cast<int>(raw >> (bits_ - 8));
    if (bits_ == 0) return 0;
    return static_cast<int>(raw * 255 / ((1u << bits_) - 1));
  }

 private:
  std::uint32_t mask_;
  int shift_;
  int bits_;
};

struct Layout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // always positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = PlainRgb;
  std::array<MaskChannel, 3> masks{MaskChannel(0), MaskChannel(0), MaskChannel(0)};
  std::array<Pixel, 256> palette{};  // entries the file does not give stay black

  bool Rle() const { return compression == Rle8 || compression == Rle4; }
  std::int64_t Stride() const { return (width * bitCount + 31) / 32 * 4; }
  // Rows come bottom-up unless the height was negative.
  int LineOf(std::int64_t row) const { return static_cast<int>(topDown ? row : height - 1 - row); }
};

// Row decoding of the uncompressed formats. Returns false when the bits end before the last
// pixel; what was present is in the picture.
bool DecodePlainRows(std::span<const std::uint8_t> bits, const Layout& layout, PixelBuffer& picture) {
  const std::int64_t stride = layout.Stride();
  for (std::int64_t row = 0; row < layout.height; ++row) {
    const std::uint64_t rowStart = static_cast<std::uint64_t>(row * stride);
    if (rowStart >= bits.size()) return false;
    const std::span<const std::uint8_t> rowBytes =
        bits.subspan(rowStart, std::min<std::uint64_t>(static_cast<std::uint64_t>(stride), bits.size() - rowStart));
    const std::int64_t present =
        std::min<std::int64_t>(layout.width, static_cast<std::int64_t>(rowBytes.size()) * 8 / layout.bitCount);
    Pixel* out = &picture.At(0, layout.LineOf(row));
    for (std::int64_t x = 0; x < present; ++x) {
      const std::size_t at = static_cast<std::size_t>(x * layout.bitCount / 8);
      switch (layout.bitCount) {
        case 1:
        case 4:
        case 8: {
          const int shift = 8 - layout.bitCount - static_cast<int>(x * layout.bitCount % 8);
          out[x] = layout.palette[(rowBytes[at] >> shift) & ((1 << layout.bitCount) - 1)];
          break;
        }
        case 24:
          out[x] = MakePixel(rowBytes[at + 2], rowBytes[at + 1], rowBytes[at]);
          break;
        default: {
          const std::uint32_t value = layout.bitCount == 16 ? Read16(rowBytes, at) : Read32(rowBytes, at);
          out[x] = MakePixel(layout.masks[0].Extract(value), layout.masks[1].Extract(value),
                             layout.masks[2].Extract(value));
        }
      }
    }
    if (present < layout.width) return false;
  }
  return true;
}

struct RleOutcome {
  bool complete = false;  // the stream ended with its end-of-bitmap code
  bool drawn = false;     // at least one pixel came from the stream
};

// RLE8/RLE4 streams. The pen only moves right within a line and only on to the next line in
// file order, so each pixel is written at most once and every write is clipped to the picture.
RleOutcome DecodeRle(std::span<const std::uint8_t> bits, const Layout& layout, PixelBuffer& picture) {
  const bool fourBit = layout.compression == Rle4;
  RleOutcome outcome;
  std::int64_t x = 0;
  std::int64_t row = 0;  // lines in file order
  const auto put = [&](std::int64_t count, auto indexAt) {
    for (std::int64_t i = 0; i < count && x + i < layout.width && row < layout.height; ++i) {
      picture.At(static_cast<int>(x + i), layout.LineOf(row)) = layout.palette[indexAt(i)];
      outcome.drawn = true;
    }
    x += count;
  };
  std::size_t pos = 0;
  while (bits.size() - pos >= 2) {
    const int count = bits[pos];
    const int code = bits[pos + 1];
    pos += 2;
    if (count > 0) {
      put(count, [&](std::int64_t i) { return fourBit ? (i % 2 == 0 ? code >> 4 : code & 15) : code; });
      continue;
    }
    switch (code) {
      case 0:  // end of line
        x = 0;
        ++row;
        break;
      case 1:  // end of bitmap
        outcome.complete = true;
        return outcome;
      case 2:  // delta
        if (bits.size() - pos < 2) return outcome;
        x += bits[pos];
        row += bits[pos + 1];
        pos += 2;
        break;
      default: {  // absolute run of `code` pixels, padded to a 16-bit boundary
        const std::size_t dataBytes = fourBit ? (code + 1) / 2 : code;
        const std::size_t available = std::min(dataBytes, bits.size() - pos);
        const std::int64_t present = std::min<std::int64_t>(code, fourBit ? available * 2 : available);
        const std::span<const std::uint8_t> data = bits.subspan(pos, available);
        put(present, [&](std::int64_t i) {
          return fourBit ? (i % 2 == 0 ? data[i / 2] >> 4 : data[i / 2] & 15) : data[i];
        });
        if (available < dataBytes) return outcome;
        pos = std::min(bits.size(), pos + ((dataBytes + 1) & ~std::size_t{1}));
      }
    }
  }
  return outcome;
}

// Reads the palette entries that lie between the headers and the pixel bits.
void ReadPalette(std::span<const std::uint8_t> file, std::size_t start, std::size_t end, std::uint32_t colorsUsed,
                 bool core, Layout& layout) {
  const std::size_t entrySize = core ? 3 : 4;
  const std::uint32_t maxEntries = 1u << layout.bitCount;
  std::size_t entries = (core || colorsUsed == 0) ? maxEntries : std::min(colorsUsed, maxEntries);
  entries = std::min(entries, (end - start) / entrySize);
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t at = start + i * entrySize;
    layout.palette[i] = MakePixel(file[at + 2], file[at + 1], file[at]);
  }
}

BmpDecoded Refused(BmpError error) {
  BmpDecoded result;
  result.error = error;
  return result;
}

}  // namespace

void CorrectBmpPixelOffset(std::span<std::uint8_t> file) {
  if (file.size() < FileHeaderSize + InfoHeaderSize) return;
  const std::uint32_t pixelOffset = Read32(file, 10);
  const std::uint32_t headerSize = Read32(file, 14);
  const std::int64_t width = static_cast<std::int32_t>(Read32(file, 18));
  const std::int64_t height = static_cast<std::int32_t>(Read32(file, 22));
  const std::int64_t bitCount = Read16(file, 28);
  const std::uint32_t colorsUsed = Read32(file, 46);
  if (pixelOffset != std::uint64_t{headerSize} + FileHeaderSize || colorsUsed == 0) return;
  // No BMP has larger sides or more bits per pixel, and within these the product cannot overflow.
  if (std::abs(width) > MaxBmpSide || std::abs(height) > MaxBmpSide || bitCount > 32) return;
  // Old core headers carry 3-byte palette entries.
  const std::int64_t entrySize = headerSize >= InfoHeaderSize ? 4 : 3;
  const std::int64_t corrected = std::int64_t{FileHeaderSize} + headerSize + std::int64_t{colorsUsed} * entrySize;
  // Magnitudes, so that a top-down picture still has to fit.
  const std::int64_t pixelBytes = std::abs(width) * std::abs(height) * bitCount / 8;
  if (corrected > UINT32_MAX || static_cast<std::int64_t>(file.size()) < corrected + pixelBytes) return;
  Write32(&file[10], static_cast<std::uint32_t>(corrected));
}

// The largest file we write (the pixel cap with up to 3 bytes of padding per row) is read back.
static_assert(FileHeaderSize + InfoHeaderSize + 3 * MaxPicturePixels + 3 * std::int64_t{MaxBmpSide} <=
              std::min<std::int64_t>(MaxPictureFileBytes, UINT32_MAX));

std::optional<std::vector<std::uint8_t>> EncodeBmp(const PixelBuffer& picture) {
  // Nothing is written that the reader would refuse.
  if (picture.Empty() || picture.width > MaxBmpSide || picture.height > MaxBmpSide ||
      std::int64_t{picture.width} * picture.height > MaxPicturePixels) {
    return std::nullopt;
  }
  const std::uint64_t stride = (static_cast<std::uint64_t>(picture.width) * 3 + 3) & ~std::uint64_t{3};
  const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(picture.height);
  const std::uint64_t pixelOffset = FileHeaderSize + InfoHeaderSize;

  std::vector<std::uint8_t> file(pixelOffset + imageSize);
  std::uint8_t* header = file.data();
  header[0] = 'B';
  header[1] = 'M';
  Write32(header + 2, static_cast<std::uint32_t>(file.size()));
  Write32(header + 10, static_cast<std::uint32_t>(pixelOffset));
  Write32(header + 14, InfoHeaderSize);
  Write32(header + 18, static_cast<std::uint32_t>(picture.width));
  Write32(header + 22, static_cast<std::uint32_t>(picture.height));  // positive: bottom-up rows
  Write16(header + 26, 1);
  Write16(header + 28, 24);
  Write32(header + 34, static_cast<std::uint32_t>(imageSize));

  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* out = file.data() + pixelOffset + stride * static_cast<std::uint64_t>(picture.height - 1 - y);
    const Pixel* in = &picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width)];
    for (int x = 0; x < picture.width; ++x, out += 3) {
      out[0] = static_cast<std::uint8_t>(BlueOf(in[x]));
      out[1] = static_cast<std::uint8_t>(GreenOf(in[x]));
      out[2] = static_cast<std::uint8_t>(RedOf(in[x]));
    }
  }
  return file;
}

BmpDecoded DecodeBmp(std::span<const std::uint8_t> file, std::int64_t maxPixels) {
  if (file.size() < FileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return Refused(BmpError::NotBmp);
  const std::uint32_t headerSize = Read32(file, 14);
  if (!KnownHeaderSize(headerSize)) return Refused(BmpError::UnknownHeader);
  if (file.size() < FileHeaderSize + headerSize) return Refused(BmpError::NotBmp);

  const bool core = headerSize == CoreHeaderSize;
  Layout layout;
  std::int64_t signedHeight = 0;
  std::uint32_t colorsUsed = 0;
  if (core) {
    layout.width = Read16(file, 18);
    signedHeight = Read16(file, 20);
    layout.bitCount = Read16(file, 24);
  } else {
    layout.width = static_cast<std::int32_t>(Read32(file, 18));
    signedHeight = static_cast<std::int32_t>(Read32(file, 22));
    layout.bitCount = Read16(file, 28);
    layout.compression = Read32(file, 30);
    colorsUsed = Read32(file, 46);
  }
  // INT_MIN has no positive counterpart; refusing it keeps the sign flip below defined.
  if (layout.width <= 0 || signedHeight == 0 || signedHeight == INT_MIN) return Refused(BmpError::BadSize);
  layout.topDown = signedHeight < 0;
  layout.height = std::abs(signedHeight);
  if (layout.width > MaxBmpSide || layout.height > MaxBmpSide || layout.width * layout.height > maxPixels) {
    return Refused(BmpError::TooLarge);
  }
  if (!SupportedFormat(layout.bitCount, layout.compression)) {
    return Refused(BmpError::UnsupportedFormat);
  }

  // Bit-field masks follow a 40-byte header and are part of the longer ones: offset 54 either way.
  std::size_t tablesStart = FileHeaderSize + headerSize;
  if (layout.compression == BitFields) {
    if (file.size() < FileHeaderSize + InfoHeaderSize + MaskBytes) return Refused(BmpError::NotBmp);
    const std::size_t masksAt = FileHeaderSize + InfoHeaderSize;
    layout.masks = {MaskChannel(Read32(file, masksAt)), MaskChannel(Read32(file, masksAt + 4)),
                    MaskChannel(Read32(file, masksAt + 8))};
    if (headerSize == InfoHeaderSize) tablesStart += MaskBytes;
  } else if (layout.bitCount == 16) {
    layout.masks = {MaskChannel(0x7C00), MaskChannel(0x03E0), MaskChannel(0x001F)};
  } else if (layout.bitCount == 32) {
    layout.masks = {MaskChannel(0xFF0000), MaskChannel(0xFF00), MaskChannel(0xFF)};
  }

  // Writers may leave a gap before the bits, but bits that overlap the headers or start past
  // the end are no picture.
  const std::uint32_t pixelOffset = Read32(file, 10);
  if (pixelOffset < tablesStart || pixelOffset >= file.size()) return Refused(BmpError::BadPixelOffset);
  if (layout.bitCount <= 8) ReadPalette(file, tablesStart, pixelOffset, colorsUsed, core, layout);

  // A file that ends before its first row is damaged, not a black picture.
  const std::span<const std::uint8_t> bits = file.subspan(pixelOffset);
  if (!layout.Rle() && static_cast<std::int64_t>(bits.size()) < layout.Stride()) {
    return Refused(BmpError::NoPixelData);
  }

  BmpDecoded result;
  result.picture = PixelBuffer(static_cast<int>(layout.width), static_cast<int>(layout.height), MakePixel(0, 0, 0));
  if (layout.Rle()) {
    const RleOutcome outcome = DecodeRle(bits, layout, result.picture);
    if (!outcome.drawn) return Refused(BmpError::NoPixelData);
    result.complete = outcome.complete;
  } else {
    result.complete = DecodePlainRows(bits, layout, result.picture);
  }
  return result;
}
