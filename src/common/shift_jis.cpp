#include "common/shift_jis.h"

namespace {

template <typename Map>
std::string MapSingleBytes(std::string_view text, Map map) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto byte = static_cast<unsigned char>(result[i]);
    if (IsShiftJisLeadByte(byte)) {
      ++i;  // skip the second byte
    } else {
      result[i] = map(result[i]);
    }
  }
  return result;
}

}  // namespace

bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string AsciiUpperCase(std::string_view text) {
  return MapSingleBytes(text, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
}

std::string AsciiLowerCase(std::string_view text) {
  return MapSingleBytes(text, [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}
