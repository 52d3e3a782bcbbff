#pragma once
// JPEG files for the tests that our encoder never writes: forged frame sizes, and files made by
// the library directly with settings of other writers.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace jpeg_test {

using Bytes = std::vector<std::uint8_t>;

// Offset of the start-of-frame marker, found by walking the marker segments from SOI.
inline std::size_t FrameOffset(const Bytes& jpeg) {
  std::size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
    const int code = jpeg[pos + 1];
    if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC) return pos;
    pos += 2 + static_cast<std::size_t>(jpeg[pos + 2] << 8 | jpeg[pos + 3]);
  }
  ADD_FAILURE() << "no frame marker";
  return 0;
}

inline Bytes WithFrameSize(Bytes jpeg, int width, int height) {
  const std::size_t frame = FrameOffset(jpeg);
  jpeg[frame + 5] = static_cast<std::uint8_t>(height >> 8);
  jpeg[frame + 6] = static_cast<std::uint8_t>(height);
  jpeg[frame + 7] = static_cast<std::uint8_t>(width >> 8);
  jpeg[frame + 8] = static_cast<std::uint8_t>(width);
  return jpeg;
}

// Compresses `samples` (rows of width × components) with the library's defaults for the colour
// space, then lets `configure` change whatever it likes before the compression starts.
inline Bytes LibraryJpeg(int width, int height, J_COLOR_SPACE colourSpace, int components,
                         const std::vector<JSAMPLE>& samples,
                         const std::function<void(jpeg_compress_struct&)>& configure) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = colourSpace;
  jpeg_set_defaults(&info);
  configure(info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(&samples[std::size_t{info.next_scanline} * width * components]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

}  // namespace jpeg_test
