#include <cstdlib>
#include <vector>

#include "formats/bmp_format.h"
#include "fuzz_target.h"

// The writer's offset correction may change the pixel offset and nothing else, and only to a
// place inside the buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> file(data, data + size);
  CorrectBmpPixelOffset(file);
  constexpr std::size_t OffsetAt = 10;
  bool moved = false;
  for (std::size_t i = 0; i < size; ++i) {
    if (file[i] == data[i]) continue;
    if (i < OffsetAt || i >= OffsetAt + 4) std::abort();
    moved = true;
  }
  const std::uint32_t offset =
      moved ? file[10] | file[11] << 8 | file[12] << 16 | static_cast<std::uint32_t>(file[13]) << 24 : 0;
  if (offset > size) std::abort();
  return 0;
}
