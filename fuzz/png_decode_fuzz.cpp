#include <cstdlib>

#include "formats/png_codec.h"
#include "fuzz_target.h"

// A refused file gives no picture, a decoded one a whole picture of its size; an encode of that
// picture decodes back to the same pixels.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PngDecoded decoded = DecodePng({data, size}, MakePixel(0x12, 0x9A, 0xE4), FuzzMaxPixels);
  const bool sized = decoded.picture.pixels.size() ==
                     static_cast<std::size_t>(decoded.picture.width) * static_cast<std::size_t>(decoded.picture.height);
  if (decoded.error == PngError::None ? decoded.picture.Empty() || !sized : !decoded.picture.Empty()) std::abort();
  if (decoded.error == PngError::None) {
    const auto again = EncodePng(decoded.picture);
    if (!again || !(DecodePng(*again, 0, FuzzMaxPixels).picture == decoded.picture)) std::abort();
  }
  return 0;
}
