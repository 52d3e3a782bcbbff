#include <cstdlib>

#include "formats/picture_bytes.h"
#include "fuzz_target.h"

// The reader's content check: BMP, JPEG and PNG are told by their first bytes and anything else
// is refused; a picture that comes out is whole.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<PixelBuffer> picture = DecodePictureBytes({data, size}, FuzzMaxPixels);
  if (!picture) return 0;
  const bool bmp = data[0] == 'B' && data[1] == 'M';
  const bool jpeg = data[0] == 0xFF && data[1] == 0xD8;
  const bool png = size >= 4 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G';
  if (!(bmp || jpeg || png) || picture->Empty() ||
      picture->pixels.size() != static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height)) {
    std::abort();
  }
  return 0;
}
