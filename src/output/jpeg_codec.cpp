#include "output/jpeg_codec.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <exception>

#include <jpeglib.h>

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

// The compressed bytes go into a vector that grows by doubling. An allocation failure must not
// unwind through the library's C frames, so it becomes a library error after the catch.
std::vector<std::uint8_t>& OutputOf(j_compress_ptr info) {
  return *static_cast<std::vector<std::uint8_t>*>(info->client_data);
}

void GrowOutput(j_compress_ptr info, std::size_t size) {
  std::vector<std::uint8_t>& bytes = OutputOf(info);
  const std::size_t used = bytes.size() - info->dest->free_in_buffer;
  bool grown = false;
  try {
    bytes.resize(size);
    grown = true;
  } catch (const std::exception&) {
  }
  if (!grown) Escape(reinterpret_cast<j_common_ptr>(info), JpegError::Corrupt);
  info->dest->next_output_byte = bytes.data() + used;
  info->dest->free_in_buffer = bytes.size() - used;
}

void StartOutput(j_compress_ptr info) {
  OutputOf(info).clear();
  info->dest->free_in_buffer = 0;
  GrowOutput(info, FirstOutputSize);
}

boolean OutputFull(j_compress_ptr info) {
  // The library calls this with the whole buffer used, whatever free_in_buffer says.
  info->dest->free_in_buffer = 0;
  GrowOutput(info, OutputOf(info).size() * 2);
  return TRUE;
}

void EndOutput(j_compress_ptr info) { OutputOf(info).resize(OutputOf(info).size() - info->dest->free_in_buffer); }

class JpegEncoder {
 public:
  JpegEncoder() {
    info_.err = InstallEscape(escape_);
    info_.client_data = &bytes_;
    destination_.init_destination = StartOutput;
    destination_.empty_output_buffer = OutputFull;
    destination_.term_destination = EndOutput;
  }
  ~JpegEncoder() { jpeg_destroy_compress(&info_); }
  JpegEncoder(const JpegEncoder&) = delete;
  JpegEncoder& operator=(const JpegEncoder&) = delete;

  std::optional<std::vector<std::uint8_t>> Encode(const PixelBuffer& picture, int quality, bool progressive) {
    if (picture.Empty() || !Compress(picture, quality, progressive)) return std::nullopt;
    return std::move(bytes_);
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
  std::vector<std::uint8_t> bytes_;
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
    info_.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info_);
    picture_ = PixelBuffer(static_cast<int>(info_.output_width), static_cast<int>(info_.output_height));
    row_.resize(static_cast<std::size_t>(info_.output_width) * 3);
    while (info_.output_scanline < info_.output_height) {
      Pixel* out = &picture_.At(0, static_cast<int>(info_.output_scanline));
      JSAMPROW rowPointer = row_.data();
      jpeg_read_scanlines(&info_, &rowPointer, 1);
      for (int x = 0; x < picture_.width; ++x) out[x] = MakePixel(row_[x * 3], row_[x * 3 + 1], row_[x * 3 + 2]);
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

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const PixelBuffer& picture, int quality, bool progressive) {
  return JpegEncoder().Encode(picture, quality, progressive);
}

JpegDecoded DecodeJpeg(std::span<const std::uint8_t> file, std::int64_t maxPixels) {
  return JpegDecoder(maxPixels).Decode(file);
}
