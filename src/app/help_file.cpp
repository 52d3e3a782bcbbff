#include "app/help_file.h"

#include "common/shift_jis.h"

std::string LocalPageUrl(const std::string& path, const std::string& anchor) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string url = "file:///";
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    // The second byte of a two-byte character may be a backslash, which is no separator.
    if (IsShiftJisLeadByte(c) && i + 1 < path.size()) {
      url += path[i];
      url += path[++i];
    } else if (c == '\\') {
      url += '/';
    } else if (c == '%' || c == '#' || c == '?' || c == ' ' || c == '"' || c < 0x20) {
      url += '%';
      url += Hex[c >> 4];
      url += Hex[c & 15];
    } else {
      url += path[i];
    }
  }
  return anchor.empty() ? url : url + "#" + anchor;
}
