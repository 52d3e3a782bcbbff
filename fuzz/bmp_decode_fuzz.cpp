#include <cstdlib>

#include "formats/bmp_format.h"
#include "fuzz_target.h"

// Whatever the bytes, decoding must stay in bounds; a picture it does give must survive our own
// writer and reader unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const BmpDecoded decoded = DecodeBmp({data, size}, FuzzMaxPixels);
  if (decoded.error != BmpError::None) return 0;
  const std::optional<std::vector<std::uint8_t>> file = EncodeBmp(decoded.picture);
  if (!file || DecodeBmp(*file, FuzzMaxPixels).picture != decoded.picture) std::abort();
  return 0;
}
