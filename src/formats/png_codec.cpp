#include "formats/png_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <exception>

#include <png.h>

namespace {

constexpr std::size_t FirstOutputSize = 64 * 1024;

// Ancillary chunks that do not change the pixels we show (gamma is left as stored). They are
// skipped unread: a forged length would otherwise make the library allocate up to 2 GB for one.
constexpr png_byte SkippedChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
                                     "sBIT\0sCAL\0sPLT\0sRGB\0sTER\0tEXt\0tIME\0zTXt\0";
constexpr int SkippedChunkCount = (sizeof SkippedChunks - 1) / 5;
// What any chunk the library still reads may cost (a palette, a tRNS).
constexpr png_alloc_size_t MaxChunkBytes = 1 << 20;

// libpng's errors longjmp back to the setjmp of the running codec. No C++ object with a
// destructor may live between that setjmp and the jump, so the codecs keep their state in
// members and set the jump target in a function with trivial locals only.
[[noreturn]] void Escape(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

struct Input {
  std::span<const std::uint8_t> bytes;
  std::size_t offset = 0;
};

void ReadInput(png_structp png, png_bytep data, png_size_t length) {
  Input& input = *static_cast<Input*>(png_get_io_ptr(png));
  if (length > input.bytes.size() - input.offset) png_error(png, "file ends early");
  std::memcpy(data, input.bytes.data() + input.offset, length);
  input.offset += length;
}

// The file grows in a vector by doubling, up to the size limit. An allocation failure must not
// unwind through the library's C frames, so it becomes a library error after the catch.
struct Output {
  std::vector<std::uint8_t> bytes;
  std::size_t used = 0;
  std::size_t maxBytes = 0;
};

void WriteOutput(png_structp png, png_bytep data, png_size_t length) {
  Output& output = *static_cast<Output*>(png_get_io_ptr(png));
  if (length > output.maxBytes - output.used) png_error(png, "file too large");
  if (output.used + length > output.bytes.size()) {
    bool grown = false;
    try {
      output.bytes.resize(std::min(output.maxBytes, std::max({output.used + length, output.bytes.size() * 2,
                                                              FirstOutputSize})));
      grown = true;
    } catch (const std::exception&) {
    }
    if (!grown) png_error(png, "out of memory");
  }
  std::memcpy(output.bytes.data() + output.used, data, length);
  output.used += length;
}

void FlushOutput(png_structp) {}

// A channel over the background by its alpha, rounded as the eye would average them.
constexpr int Over(int channel, int background, int alpha) {
  return (channel * alpha + background * (255 - alpha) + 127) / 255;
}

class PngEncoder {
 public:
  explicit PngEncoder(std::int64_t maxBytes) {
    output_.maxBytes = static_cast<std::size_t>(std::clamp<std::int64_t>(maxBytes, 0, MaxPictureFileBytes));
  }
  ~PngEncoder() { png_destroy_write_struct(&png_, &info_); }
  PngEncoder(const PngEncoder&) = delete;
  PngEncoder& operator=(const PngEncoder&) = delete;

  std::optional<std::vector<std::uint8_t>> Encode(const PixelBuffer& picture) {
    if (picture.Empty() || picture.width > MaxPictureSide || picture.height > MaxPictureSide ||
        std::int64_t{picture.width} * picture.height > MaxPicturePixels) {
      return std::nullopt;
    }
    try {
      rows_.resize(static_cast<std::size_t>(picture.height));
    } catch (const std::exception&) {
      return std::nullopt;
    }
    // The library only reads the rows: it copies each into its own buffer before dropping the
    // fourth byte.
    for (int y = 0; y < picture.height; ++y) {
      rows_[static_cast<std::size_t>(y)] =
          reinterpret_cast<png_bytep>(const_cast<Pixel*>(&picture.pixels[static_cast<std::size_t>(y) * picture.width]));
    }
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Escape, IgnoreWarning);
    if (png_ == nullptr) return std::nullopt;
    info_ = png_create_info_struct(png_);
    if (info_ == nullptr || !Compress(picture)) return std::nullopt;
    output_.bytes.resize(output_.used);
    return std::move(output_.bytes);
  }

 private:
  bool Compress(const PixelBuffer& picture) {
    if (setjmp(png_jmpbuf(png_))) return false;
    png_set_write_fn(png_, &output_, WriteOutput, FlushOutput);
    png_set_IHDR(png_, info_, static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png_, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png_, PngLevelFor(picture));
    png_write_info(png_, info_);
    // Our pixels are the bytes B, G, R, 0.
    png_set_bgr(png_);
    png_set_filler(png_, 0, PNG_FILLER_AFTER);
    png_write_image(png_, rows_.data());
    png_write_end(png_, nullptr);
    return true;
  }

  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
  Output output_;
  std::vector<png_bytep> rows_;
};

class PngDecoder {
 public:
  PngDecoder(Pixel background, std::int64_t maxPixels) : background_(background), maxPixels_(maxPixels) {}
  ~PngDecoder() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngDecoder(const PngDecoder&) = delete;
  PngDecoder& operator=(const PngDecoder&) = delete;

  PngDecoded Decode(std::span<const std::uint8_t> file) {
    PngDecoded result;
    input_.bytes = file;
    if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) {
      result.error = PngError::Corrupt;
      return result;
    }
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Escape, IgnoreWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (info_ == nullptr || !Decompress()) {
      result.error = error_;
      return result;
    }
    if (hasAlpha_) LayOverBackground();
    result.picture = std::move(picture_);
    return result;
  }

 private:
  bool Refuse(PngError reason) {
    error_ = reason;
    return false;
  }

  // Sizes the picture from the header alone; false for a picture beyond the caps or without
  // memory for it.
  bool MakePicture(png_uint_32 width, png_uint_32 height) {
    if (width > static_cast<png_uint_32>(MaxPictureSide) || height > static_cast<png_uint_32>(MaxPictureSide) ||
        std::int64_t{width} * height > maxPixels_) {
      error_ = PngError::TooLarge;
      return false;
    }
    try {
      picture_ = PixelBuffer(static_cast<int>(width), static_cast<int>(height));
      rows_.resize(height);
    } catch (const std::exception&) {
      return false;
    }
    for (png_uint_32 y = 0; y < height; ++y) rows_[y] = reinterpret_cast<png_bytep>(&picture_.At(0, static_cast<int>(y)));
    return true;
  }

  bool Decompress() {
    if (setjmp(png_jmpbuf(png_))) return false;
    png_set_read_fn(png_, &input_, ReadInput);
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, SkippedChunks, SkippedChunkCount);
    png_set_chunk_malloc_max(png_, MaxChunkBytes);
    png_read_info(png_, info_);
    const png_uint_32 width = png_get_image_width(png_, info_);
    const png_uint_32 height = png_get_image_height(png_, info_);
    if (!MakePicture(width, height)) return false;
    // Everything to 8-bit B, G, R and a fourth byte: the alpha where the file has transparency,
    // a filler otherwise, so the rows land straight in our pixels.
    png_set_expand(png_);
    png_set_scale_16(png_);
    png_set_gray_to_rgb(png_);
    png_set_bgr(png_);
    const int colourType = png_get_color_type(png_, info_);
    hasAlpha_ = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png_, info_, PNG_INFO_tRNS) != 0;
    if (!hasAlpha_) png_set_filler(png_, 0, PNG_FILLER_AFTER);
    png_set_interlace_handling(png_);
    png_read_update_info(png_, info_);
    if (png_get_rowbytes(png_, info_) != std::size_t{width} * sizeof(Pixel)) return false;
    png_read_image(png_, rows_.data());
    // Reads on to the end, so a damaged or missing end of the data is refused too.
    png_read_end(png_, nullptr);
    return true;
  }

  void LayOverBackground() {
    const int red = RedOf(background_), green = GreenOf(background_), blue = BlueOf(background_);
    for (Pixel& pixel : picture_.pixels) {
      const int alpha = static_cast<int>(pixel >> 24);
      pixel = alpha == 255 ? pixel & 0xFFFFFF
                           : MakePixel(Over(RedOf(pixel), red, alpha), Over(GreenOf(pixel), green, alpha),
                                       Over(BlueOf(pixel), blue, alpha));
    }
  }

  Pixel background_;
  std::int64_t maxPixels_;
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
  Input input_;
  PngError error_ = PngError::Corrupt;
  bool hasAlpha_ = false;
  PixelBuffer picture_;
  std::vector<png_bytep> rows_;
};

}  // namespace

int PngLevelFor(const PixelBuffer& picture) {
  std::int64_t repeated = 0, sampled = 0;
  for (int y = 0; y < picture.height; y += 8) {
    const Pixel* row = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
    for (int x = 1; x < picture.width; ++x) repeated += row[x] == row[x - 1];
    sampled += picture.width - 1;
  }
  return repeated * 2 >= sampled ? PngFlatLevel : PngPhotoLevel;
}

std::optional<std::vector<std::uint8_t>> EncodePng(const PixelBuffer& picture, std::int64_t maxBytes) {
  return PngEncoder(maxBytes).Encode(picture);
}

PngDecoded DecodePng(std::span<const std::uint8_t> file, Pixel background, std::int64_t maxPixels) {
  return PngDecoder(background, maxPixels).Decode(file);
}
