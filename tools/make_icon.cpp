// Turns icon art kept as text into a Windows .ico file.
//
//   make_icon OUTPUT.ico ART.txt [ART.txt ...]
//
// Each art file gives one image: lines "key = #RRGGBB" or "key = none" (transparent) define
// one-character colour keys, then the rows of pixels follow, one character per pixel; lines
// starting with "#" are comments. Every image is stored as 32-bit colour with its mask.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Image {
  int size = 0;
  std::vector<std::uint32_t> argb;  // top row first
};

bool ReadArt(const std::string& path, Image& image) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << path << ": cannot open\n";
    return false;
  }
  std::map<char, std::uint32_t> palette;
  std::vector<std::string> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line.size() >= 4 && line[1] == ' ' && line[2] == '=' && line[3] == ' ') {
      const std::string value = line.substr(4);
      if (value == "none") {
        palette[line[0]] = 0;
      } else if (value.size() == 7 && value[0] == '#') {
        palette[line[0]] = 0xFF000000u | static_cast<std::uint32_t>(std::stoul(value.substr(1), nullptr, 16));
      } else {
        std::cerr << path << ": bad colour line: " << line << "\n";
        return false;
      }
    } else {
      rows.push_back(line);
    }
  }
  const int size = static_cast<int>(rows.size());
  if (size == 0 || size > 256) {
    std::cerr << path << ": needs 1 to 256 rows\n";
    return false;
  }
  image.size = size;
  for (const std::string& row : rows) {
    if (static_cast<int>(row.size()) != size) {
      std::cerr << path << ": every row must be " << size << " pixels wide\n";
      return false;
    }
    for (char key : row) {
      const auto colour = palette.find(key);
      if (colour == palette.end()) {
        std::cerr << path << ": undefined colour key '" << key << "'\n";
        return false;
      }
      image.argb.push_back(colour->second);
    }
  }
  return true;
}

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// BITMAPINFOHEADER, colour rows bottom-up, then the 1-bit mask (set = transparent).
std::string EncodeDib(const Image& image) {
  const int n = image.size;
  const int maskStride = ((n + 31) / 32) * 4;
  std::string dib;
  Put32(dib, 40);
  Put32(dib, static_cast<std::uint32_t>(n));
  Put32(dib, static_cast<std::uint32_t>(2 * n));
  Put16(dib, 1);
  Put16(dib, 32);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  for (int y = n - 1; y >= 0; --y) {
    for (int x = 0; x < n; ++x) Put32(dib, image.argb[static_cast<std::size_t>(y * n + x)]);
  }
  for (int y = n - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(maskStride), '\0');
    for (int x = 0; x < n; ++x) {
      if ((image.argb[static_cast<std::size_t>(y * n + x)] >> 24) == 0) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
    }
    dib += row;
  }
  return dib;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_icon OUTPUT.ico ART.txt [ART.txt ...]\n";
    return 2;
  }
  std::vector<Image> images(static_cast<std::size_t>(argc - 2));
  for (int i = 2; i < argc; ++i) {
    if (!ReadArt(argv[i], images[static_cast<std::size_t>(i - 2)])) return 1;
  }
  std::string directory;
  Put16(directory, 0);
  Put16(directory, 1);
  Put16(directory, static_cast<unsigned>(images.size()));
  std::string data;
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (const Image& image : images) {
    const std::string dib = EncodeDib(image);
    directory += static_cast<char>(image.size == 256 ? 0 : image.size);
    directory += static_cast<char>(image.size == 256 ? 0 : image.size);
    directory += '\0';  // no palette
    directory += '\0';
    Put16(directory, 1);
    Put16(directory, 32);
    Put32(directory, static_cast<std::uint32_t>(dib.size()));
    Put32(directory, offset);
    offset += static_cast<std::uint32_t>(dib.size());
    data += dib;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << directory << data;
  return out ? 0 : 1;
}
