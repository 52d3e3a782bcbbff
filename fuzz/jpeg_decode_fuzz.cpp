#include <cstdlib>

#include "formats/jpeg_codec.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const JpegDecoded decoded = DecodeJpeg({data, size}, FuzzMaxPixels);
  const bool sized = decoded.picture.pixels.size() ==
                     static_cast<std::size_t>(decoded.picture.width) * static_cast<std::size_t>(decoded.picture.height);
  if (decoded.error == JpegError::None ? decoded.picture.Empty() || !sized : !decoded.picture.Empty()) std::abort();
  return 0;
}
