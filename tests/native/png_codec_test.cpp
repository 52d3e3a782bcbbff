#include "formats/png_codec.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "formats/bmp_format.h"
#include "formats/picture_bytes.h"
#include "output/save_format.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Not a colour any test picture uses, so a transparent pixel laid over the wrong colour shows.
constexpr Pixel Background = MakePixel(0x12, 0x9A, 0xE4);

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The file's pixels as ImageMagick decodes them, laid over the same background. A grey file is
// relabelled as colour first: ImageMagick would lay it over the background's grey, and would
// convert its values were it told to convert. Its 16-bit samples are rounded to 8 bits here: its
// own 8-bit output truncates them.
std::optional<PixelBuffer> DecodedByImageMagick(const fs::path& path) {
  const std::string command = "convert '" + path.string() +
                              "' -set colorspace sRGB -background '#129AE4' -alpha remove -alpha off -depth 16 -endian MSB "
                              "-format '%w %h\\n' -write info:- rgb:- 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return std::nullopt;
  int width = 0, height = 0;
  std::optional<PixelBuffer> picture;
  char line[64] = {};
  if (std::fgets(line, sizeof line, pipe) && std::sscanf(line, "%d %d", &width, &height) == 2 && width > 0 &&
      height > 0) {
    picture = PixelBuffer(width, height);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 6);
    if (std::fread(rgb.data(), 1, rgb.size(), pipe) == rgb.size()) {
      const auto sample = [&](std::size_t at) { return ((rgb[at] << 8 | rgb[at + 1]) * 2 + 257) / 514; };
      for (std::size_t i = 0; i < picture->pixels.size(); ++i) {
        picture->pixels[i] = MakePixel(sample(i * 6), sample(i * 6 + 2), sample(i * 6 + 4));
      }
    } else {
      picture.reset();
    }
  }
  pclose(pipe);
  return picture;
}

std::vector<fs::path> SuiteFiles(const fs::path& folder, bool corrupted) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".png" && (name[0] == 'x') == corrupted) files.push_back(entry.path());
  }
  return files;
}

// Sources of the suite: where the tree's setup put libpng's copy.
const fs::path Suite = PIKTORAN_PNGSUITE;

TEST(PngSuite, EveryValidFileDecodesAsImageMagickDecodesIt) {
  std::vector<fs::path> files = SuiteFiles(Suite, false);
  const std::vector<fs::path> interlaced = SuiteFiles(Suite / "interlaced", false);
  files.insert(files.end(), interlaced.begin(), interlaced.end());
  ASSERT_GE(files.size(), 60u) << "PngSuite missing in " << Suite << ": run scripts/setup";
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    const PngDecoded ours = DecodePng(ReadFile(file), Background);
    ASSERT_EQ(ours.error, PngError::None);
    const auto theirs = DecodedByImageMagick(file);
    ASSERT_TRUE(theirs);
    ASSERT_EQ(ours.picture.width, theirs->width);
    ASSERT_EQ(ours.picture.height, theirs->height);
    // Exact where a pixel is opaque; a pixel laid over the background may round the other way
    // (ImageMagick lays 16-bit alpha over at 16 bits, we at 8).
    int worst = 0;
    for (std::size_t i = 0; i < ours.picture.pixels.size(); ++i) {
      const Pixel a = ours.picture.pixels[i], b = theirs->pixels[i];
      worst = std::max({worst, std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                        std::abs(BlueOf(a) - BlueOf(b))});
    }
    const std::string name = file.filename().string();
    const bool transparent = name.find("a08") != std::string::npos || name.find("a16") != std::string::npos ||
                             name.find("tb") != std::string::npos || name.find("tp1") != std::string::npos;
    EXPECT_LE(worst, transparent ? 1 : 0);
  }
}

// The chunk at `offset` with its CRC made right again, as a writer of a bad file would leave it.
void FixCrc(Bytes& png, std::size_t offset) {
  const std::uint32_t length = png[offset] << 24 | png[offset + 1] << 16 | png[offset + 2] << 8 | png[offset + 3];
  const uLong crc = crc32(0, png.data() + offset + 4, length + 4);
  const std::size_t at = offset + 8 + length;
  for (int i = 0; i < 4; ++i) png[at + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
}

std::size_t ChunkOffset(const Bytes& png, const char* type) {
  for (std::size_t at = 8; at + 8 <= png.size();) {
    const std::uint32_t length = png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    if (std::equal(type, type + 4, png.begin() + static_cast<std::ptrdiff_t>(at) + 4)) return at;
    at += 12 + length;
  }
  ADD_FAILURE() << "no " << type;
  return 0;
}

// PngSuite's corrupted set, made from its valid files the way the suite describes each one
// (Debian's libpng sources leave the x*.png files out), and cuts through the image data.
TEST(PngSuite, EveryCorruptedFileIsRefused) {
  const Bytes grey1 = ReadFile(Suite / "basn0g01.png");
  const Bytes grey8 = ReadFile(Suite / "basn0g08.png");
  const Bytes rgb8 = ReadFile(Suite / "basn2c08.png");
  ASSERT_FALSE(grey1.empty());
  const auto header = [](Bytes png, std::size_t field, std::uint8_t value) {
    png[8 + 8 + field] = value;
    FixCrc(png, 8);
    return png;
  };
  const auto signature = [](Bytes png, std::size_t at, std::uint8_t value) {
    png[at] = value;
    return png;
  };
  const auto withoutIdat = [](Bytes png) {
    const std::size_t at = ChunkOffset(png, "IDAT");
    const std::size_t length = png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    png.erase(png.begin() + static_cast<std::ptrdiff_t>(at), png.begin() + static_cast<std::ptrdiff_t>(at + 12 + length));
    return png;
  };
  const auto idatCrc = [](Bytes png) {
    const std::size_t at = ChunkOffset(png, "IDAT");
    const std::size_t length = png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    png[at + 8 + length] ^= 0xFF;
    return png;
  };
  const auto cut = [](Bytes png, std::size_t keep) {
    png.resize(keep);
    return png;
  };
  Bytes crlf = grey8;
  crlf.insert(crlf.begin() + 5, '\r');
  Bytes lf = grey8;
  lf.insert(lf.begin() + 6, '\n');
  Bytes ihdrCrc = grey8;
  ihdrCrc[8 + 8 + 13] ^= 0x01;
  const std::size_t rgbIdat = ChunkOffset(rgb8, "IDAT");
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"xs1n0g01 (signature byte 1 MSBit reset)", signature(grey1, 0, 0x09)},
      {"xs2n0g01 (signature byte 2 is a Q)", signature(grey1, 1, 'Q')},
      {"xs4n0g01 (signature byte 4 lower case)", signature(grey1, 3, 'g')},
      {"xs7n0g01 (signature byte 7 a space)", signature(grey1, 6, ' ')},
      {"xcrn0g04 (CR LF in the signature)", crlf},
      {"xlfn0g04 (LF LF in the signature)", lf},
      {"xhdn0g08 (IHDR checksum wrong)", ihdrCrc},
      {"xc1n0g08 (colour type 1)", header(grey8, 9, 1)},
      {"xc9n2c08 (colour type 9)", header(rgb8, 9, 9)},
      {"xd0n2c08 (bit depth 0)", header(rgb8, 8, 0)},
      {"xd3n2c08 (bit depth 3)", header(rgb8, 8, 3)},
      {"xd9n2c08 (bit depth 99)", header(rgb8, 8, 99)},
      {"xdtn0g01 (no IDAT)", withoutIdat(grey1)},
      {"xcsn0g01 (IDAT checksum wrong)", idatCrc(grey1)},
      {"zero width", header(rgb8, 3, 0)},
      {"cut inside IHDR", cut(rgb8, 20)},
      {"cut inside the image data", cut(rgb8, rgbIdat + 40)},
      {"cut before IEND", cut(rgb8, rgb8.size() - 12)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodePng(c.file, Background).error, PngError::Corrupt) << c.name;
    EXPECT_FALSE(DecodePictureBytes(c.file)) << c.name;
  }
  // Files that once crashed libpng: a picture or a refusal, nothing else (the sanitizers watch).
  for (const fs::path& file : SuiteFiles(Suite / "crashers", false)) {
    const PngDecoded decoded = DecodePng(ReadFile(file), Background);
    EXPECT_EQ(decoded.error == PngError::None, !decoded.picture.Empty()) << file.filename();
  }
}

TEST(PngDecode, SizesBeyondTheCapsAreRefusedOnTheHeader) {
  const Bytes rgb8 = ReadFile(Suite / "basn2c08.png");  // 32 x 32
  const auto sized = [&](std::uint32_t width, std::uint32_t height) {
    Bytes png = rgb8;
    for (int i = 0; i < 4; ++i) {
      png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
      png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    FixCrc(png, 8);
    return png;
  };
  EXPECT_EQ(DecodePng(sized(60000, 60000), Background).error, PngError::TooLarge);
  EXPECT_EQ(DecodePng(sized(MaxPictureSide + 1, 1), Background).error, PngError::TooLarge);
  EXPECT_EQ(DecodePng(rgb8, Background, 32 * 32 - 1).error, PngError::TooLarge);
  EXPECT_EQ(DecodePng(rgb8, Background, 32 * 32).error, PngError::None);
}

PixelBuffer ScreenLike(int width, int height) {
  PixelBuffer picture(width, height, MakePixel(240, 240, 240));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((x / 7 + y / 11) % 5 == 0) picture.At(x, y) = MakePixel(x & 255, y & 255, (x * y) & 255);
    }
  }
  return picture;
}

TEST(PngRoundTrip, BmpSavedAsPngLoadsBackToTheSamePixels) {
  for (const auto& [width, height] : {std::pair{1, 1}, {33, 7}, {3840, 2160}}) {
    SCOPED_TRACE(width);
    const auto bmp = EncodeBmp(ScreenLike(width, height));
    ASSERT_TRUE(bmp);
    const auto loaded = DecodePictureBytes(*bmp);
    ASSERT_TRUE(loaded);
    const auto png = EncodePng(*loaded);
    ASSERT_TRUE(png);
    const auto back = DecodePictureBytes(*png, MaxPicturePixels, Background);
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == *loaded);
  }
}

TEST(PngEncode, WritesNothingTheReaderWouldRefuse) {
  EXPECT_FALSE(EncodePng(PixelBuffer()));
  EXPECT_FALSE(EncodePng(PixelBuffer(MaxPictureSide + 1, 1)));
  PixelBuffer overCap;  // refused on its size alone: the pixels are never looked at
  overCap.width = 8192;
  overCap.height = 8193;
  EXPECT_FALSE(EncodePng(overCap));
  const PixelBuffer picture = ScreenLike(200, 100);
  const std::size_t size = EncodePng(picture).value().size();
  EXPECT_TRUE(EncodePng(picture, static_cast<std::int64_t>(size)));
  EXPECT_FALSE(EncodePng(picture, static_cast<std::int64_t>(size) - 1));
}

TEST(SaveFormat, TheNameDecidesAndTheFilterWithoutOne) {
  const struct {
    const char* name;
    int filter;
    SaveFormat format;
  } cases[] = {
      {"C:\\a\\shot.png", 1, SaveFormat::Png},  {"C:\\a\\shot.PNG", 3, SaveFormat::Png},
      {"C:\\a\\shot.bmp", PngSaveFilterIndex, SaveFormat::Bmp},
      {"C:\\a\\shot", PngSaveFilterIndex, SaveFormat::Png}, {"C:\\a\\shot", 1, SaveFormat::Bmp},
      {"C:\\a\\shot.txt", 3, SaveFormat::Bmp},  {"C:\\png", PngSaveFilterIndex, SaveFormat::Png},
      {"C:\\a.png\\shot", 1, SaveFormat::Bmp},  {".png", 1, SaveFormat::Bmp},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveFormatOf(c.name, c.filter), c.format) << c.name << " " << c.filter;
}

}  // namespace
