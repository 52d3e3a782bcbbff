#include <cstdlib>

#include "formats/jpeg_codec.h"
#include "fuzz_picture.h"
#include "fuzz_target.h"

// What our JPEG writer makes, at any quality and in either mode, our reader takes back at its
// size; and no file is larger than the 6 bytes per pixel the read cap counts with (the picture
// padded to whole 16 × 16 blocks, plus room for the tables of up to ten scans).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int quality = 1 + data[0] % 100;
  const bool progressive = (data[0] & 0x80) != 0;
  const PixelBuffer picture = FuzzPicture({data + 1, size - 1}, 128);
  const std::optional<std::vector<std::uint8_t>> file = EncodeJpeg(picture, quality, progressive);
  if (!file) std::abort();
  const std::size_t padded = static_cast<std::size_t>((picture.width + 15) / 16 * 16) *
                             static_cast<std::size_t>((picture.height + 15) / 16 * 16);
  if (file->size() > 6 * padded + 8192) std::abort();
  const JpegDecoded decoded = DecodeJpeg(*file);
  if (decoded.error != JpegError::None || decoded.picture.width != picture.width ||
      decoded.picture.height != picture.height) {
    std::abort();
  }
  return 0;
}
