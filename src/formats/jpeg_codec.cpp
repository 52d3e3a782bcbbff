#include "formats/jpeg_codec.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <exception>

#include <jpeglib.h>

static_assert(MaxJpegSide == JPEG_MAX_DIMENSION);

namespace {

// What the library may take for its own buffers (a progressive 64-Mpixel picture keeps about
// 384 MB of coefficients).
constexpr long MaxLibraryMemory = 512L << 20;
constexpr std::size_t FirstOutputSize = 64 * 1024;

// libjpeg's error_exit must not return: it jumps back to the setjmp of the running codec. No C++
// object with a destructor may live between that setjmp and the jump, so the codecs below keep
// their state in members and set the jump target in a function with trivial locals only.
struct ErrorEscape {
  jpeg_error_mgr base;
  std::jmp_buf target;
  JpegError reason;
};

[[noreturn]] void Escape(j_common_ptr info, JpegError reason) {
  ErrorEscape& escape = *reinterpret_cast<ErrorEscape*>(info->err);
  escape.reason = reason;
  std::longjmp(escape.target, 1);
}

[[noreturn]] void EscapeOnError(j_common_ptr info) { Escape(info, JpegError::Corrupt); }

// Level -1 is a warning: the library would go on with made-up data (a fake end of image for a
// truncated file). We would rather refuse the file.
void EscapeOnWarning(j_common_ptr info, int level) {
  if (level < 0) Escape(info, JpegError::Corrupt);
}

void DiscardMessage(j_common_ptr) {}

jpeg_error_mgr* InstallEscape(ErrorEscape& escape) {
  jpeg_std_error(&escape.base);
  escape.base.error_exit = EscapeOnError;
  escape.base.output_message = DiscardMessage;
  escape.reason = JpegError::Corrupt;
  return &escape.base;
}

// Progressive files are decoded scan by scan; a forged file with thousands of scans would keep
// the program busy for minutes.
void LimitScans(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxJpegScans) {
    Escape(info, JpegError::TooManyScans);
  }
}

// The compressed bytes go into a vector that grows by doubling, up to the size limit. An
// allocation failure must not unwind through the library's C frames, so it becomes a library
// error after the catch.
struct Output {
  std::vector<std::uint8_t> bytes;
  std::size_t maxBytes = 0;
};

Output& OutputOf(j_compress_ptr info) { return *static_cast<Output*>(info->client_data); }

void GrowOutput(j_compress_ptr info, std::size_t size) {
  Output& output = OutputOf(info);
  const std::size_t used = output.bytes.size() - info->dest->free_in_buffer;
  // The library asks for room as soon as the buffer is full, even after the file's last byte:
  // one byte beyond the limit tells a full file from one too large.
  size = std::min(size, output.maxBytes + 1);
  bool grown = false;
  if (size > used) {
    try {
      output.bytes.resize(size);
      grown = true;
    } catch (const std::exception&) {
    }
  }
  if (!grown) Escape(reinterpret_cast<j_common_ptr>(info), JpegError::Corrupt);
  info->dest->next_output_byte = output.bytes.data() + used;
  info->dest->free_in_buffer = output.bytes.size() - used;
}

void StartOutput(j_compress_ptr info) {
  OutputOf(info).bytes.clear();
  info->dest->free_in_buffer = 0;
  GrowOutput(info, FirstOutputSize);
}

boolean OutputFull(j_compress_ptr info) {
  // The library calls this with the whole buffer used, whatever free_in_buffer says.
  info->dest->free_in_buffer = 0;
  GrowOutput(info, OutputOf(info).bytes.size() * 2);
  return TRUE;
}

void EndOutput(j_compress_ptr info) {
  Output& output = OutputOf(info);
  output.bytes.resize(output.bytes.size() - info->dest->free_in_buffer);
  if (output.bytes.size() > output.maxBytes) Escape(reinterpret_cast<j_common_ptr>(info), JpegError::Corrupt);
}

// Ink values to light. Adobe's writers store inverted inks (0 is full ink) and say so with their
// marker; libjpeg turns their YCCK into CMYK of the same kind.
Pixel FromInks(const JSAMPLE* cmyk, bool inverted) {
  const auto light = [inverted](int ink, int black) {
    const int through = inverted ? ink : 255 - ink;
    const int unblocked = inverted ? black : 255 - black;
    return (through * unblocked + 127) / 255;
  };
  return MakePixel(light(cmyk[0], cmyk[3]), light(cmyk[1], cmyk[3]), light(cmyk[2], cmyk[3]));
}

class JpegEncoder {
 public:
  explicit JpegEncoder(std::int64_t maxBytes) {
    output_.maxBytes = static_cast<std::size_t>(std::clamp<std::int64_t>(maxBytes, 0, MaxPictureFileBytes));
    info_.err = InstallEscape(escape_);
    info_.client_data = &output_;
    destination_.init_destination = StartOutput;
    destination_.empty_output_buffer = OutputFull;
    destination_.term_destination = EndOutput;
  }
  ~JpegEncoder() { jpeg_destroy_compress(&info_); }
  JpegEncoder(const JpegEncoder&) = delete;
  JpegEncoder& operator=(const JpegEncoder&) = delete;

  std::optional<std::vector<std::uint8_t>> Encode(const PixelBuffer& picture, int quality, bool progressive) {
    if (picture.Empty() || std::int64_t{picture.width} * picture.height > MaxPicturePixels ||
        !Compress(picture, quality, progressive)) {
      return std::nullopt;
    }
    return std::move(output_.bytes);
  }

 private:
  bool Compress(const PixelBuffer& picture, int quality, bool progressive) {
    if (setjmp(escape_.target)) return false;
    jpeg_create_compress(&info_);
    info_.dest = &destination_;
    info_.image_width = static_cast<JDIMENSION>(picture.width);
    info_.image_height = static_cast<JDIMENSION>(picture.height);
    info_.input_components = 3;
    info_.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info_);
    jpeg_set_quality(&info_, std::clamp(quality, MinJpegQuality, MaxJpegQuality), TRUE);
    if (progressive) jpeg_simple_progression(&info_);
    jpeg_start_compress(&info_, TRUE);
    row_.resize(static_cast<std::size_t>(picture.width) * 3);
    while (info_.next_scanline < info_.image_height) {
      const Pixel* in = &picture.pixels[std::size_t{info_.next_scanline} * static_cast<std::size_t>(picture.width)];
      for (int x = 0; x < picture.width; ++x) {
        row_[x * 3] = static_cast<JSAMPLE>(RedOf(in[x]));
        row_[x * 3 + 1] = static_cast<JSAMPLE>(GreenOf(in[x]));
        row_[x * 3 + 2] = static_cast<JSAMPLE>(BlueOf(in[x]));
      }
      JSAMPROW rowPointer = row_.data();
      jpeg_write_scanlines(&info_, &rowPointer, 1);
    }
    jpeg_finish_compress(&info_);
    return true;
  }

  ErrorEscape escape_;
  jpeg_compress_struct info_{};
  jpeg_destination_mgr destination_{};
  Output output_;
  std::vector<JSAMPLE> row_;
};

class JpegDecoder {
 public:
  explicit JpegDecoder(std::int64_t maxPixels) : maxPixels_(maxPixels) {
    info_.err = InstallEscape(escape_);
    escape_.base.emit_message = EscapeOnWarning;
    progress_.progress_monitor = LimitScans;
  }
  ~JpegDecoder() { jpeg_destroy_decompress(&info_); }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;

  JpegDecoded Decode(std::span<const std::uint8_t> file) {
    JpegDecoded result;
    if (Decompress(file)) {
      result.picture = std::move(picture_);
    } else {
      result.error = escape_.reason;
    }
    return result;
  }

 private:
  bool Refuse(JpegError reason) {
    escape_.reason = reason;
    return false;
  }

  bool Decompress(std::span<const std::uint8_t> file) {
    if (file.size() > ULONG_MAX) return Refuse(JpegError::Corrupt);
    if (setjmp(escape_.target)) return false;
    jpeg_create_decompress(&info_);
    info_.mem->max_memory_to_use = MaxLibraryMemory;
    info_.progress = &progress_;
    jpeg_mem_src(&info_, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info_, TRUE);
    // The library refuses an empty frame itself; the check stays so that no zero side can ever
    // reach the code that sizes the picture.
    if (info_.image_width == 0 || info_.image_height == 0) return Refuse(JpegError::Corrupt);
    // The header alone decides; the library allocates for the picture only when it starts.
    if (std::int64_t{info_.image_width} * info_.image_height > maxPixels_) return Refuse(JpegError::TooLarge);
    // The library turns neither CMYK nor YCCK into RGB; it gives their inks, and we do the rest.
    const bool inks = info_.jpeg_color_space == JCS_CMYK || info_.jpeg_color_space == JCS_YCCK;
    const bool inverted = inks && info_.saw_Adobe_marker;
    info_.out_color_space = inks ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info_);
    picture_ = PixelBuffer(static_cast<int>(info_.output_width), static_cast<int>(info_.output_height));
    const int components = info_.output_components;
    row_.resize(static_cast<std::size_t>(info_.output_width) * static_cast<std::size_t>(components));
    while (info_.output_scanline < info_.output_height) {
      Pixel* out = &picture_.At(0, static_cast<int>(info_.output_scanline));
      JSAMPROW rowPointer = row_.data();
      jpeg_read_scanlines(&info_, &rowPointer, 1);
      for (int x = 0; x < picture_.width; ++x) {
        const JSAMPLE* in = &row_[static_cast<std::size_t>(x) * static_cast<std::size_t>(components)];
        out[x] = inks ? FromInks(in, inverted) : MakePixel(in[0], in[1], in[2]);
      }
    }
    jpeg_finish_decompress(&info_);
    return true;
  }

  std::int64_t maxPixels_;
  ErrorEscape escape_;
  jpeg_decompress_struct info_{};
  jpeg_progress_mgr progress_{};
  PixelBuffer picture_;
  std::vector<JSAMPLE> row_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const PixelBuffer& picture, int quality, bool progressive,
                                                    std::int64_t maxBytes) {
  return JpegEncoder(maxBytes).Encode(picture, quality, progressive);
}

JpegDecoded DecodeJpeg(std::span<const std::uint8_t> file, std::int64_t maxPixels) {
  return JpegDecoder(maxPixels).Decode(file);
}
