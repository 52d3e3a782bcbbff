#include "browser/name_parts.h"

#include "common/shift_jis.h"

NameParts SplitFileName(std::string_view path) {
  // Walk forwards so that a second byte is never taken for a separator.
  std::size_t nameStart = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (IsShiftJisLeadByte(byte)) {
      ++i;
    } else if (byte == '\\' || byte == ':') {
      nameStart = i + 1;
    }
  }
  return {std::string(path.substr(0, nameStart)), std::string(path.substr(nameStart))};
}

std::string ExtensionOf(std::string_view path) {
  const std::string name = SplitFileName(path).name;
  std::size_t dot = std::string::npos;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(name[i]))) {
      ++i;
    } else if (name[i] == '.') {
      dot = i;
    }
  }
  return dot == std::string::npos ? std::string() : name.substr(dot);
}
