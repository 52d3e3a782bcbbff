#include <cstdlib>

#include "formats/bmp_format.h"
#include "fuzz_picture.h"
#include "fuzz_target.h"

// What our BMP writer makes, offset correction included, our reader takes back pixel for pixel.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const PixelBuffer picture = FuzzPicture({data, size}, 256);
  std::optional<std::vector<std::uint8_t>> file = EncodeBmp(picture);
  if (!file) std::abort();
  CorrectBmpPixelOffset(*file);
  const BmpDecoded decoded = DecodeBmp(*file);
  if (decoded.error != BmpError::None || !decoded.complete || decoded.picture != picture) std::abort();
  return 0;
}
