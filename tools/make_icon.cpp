// Turns icon and cursor art kept as text into Windows .ico and .cur files.
//
//   make_icon OUTPUT.ico ART.txt [ART.txt ...]
//   make_icon --cursor X,Y OUTPUT.cur ART.txt
//
// Each art file gives one image: lines "key = #RRGGBB" or "key = none" (transparent) define
// one-character colour keys, then the rows of pixels follow, one character per pixel; lines
// starting with "#" are comments. Icon images are stored as 32-bit colour with their mask; a
// cursor is monochrome, so its art may use only black, white and none, and X,Y is its hot spot.
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

bool Transparent(std::uint32_t argb) { return (argb >> 24) == 0; }
bool White(std::uint32_t argb) { return argb == 0xFFFFFFFFu; }

void PutInfoHeader(std::string& dib, int size, unsigned bitCount) {
  Put32(dib, 40);
  Put32(dib, static_cast<std::uint32_t>(size));
  Put32(dib, static_cast<std::uint32_t>(2 * size));  // the colour rows and the mask rows
  Put16(dib, 1);
  Put16(dib, bitCount);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
}

// One bit per pixel, set where `set` holds, rows bottom-up and padded to four bytes.
template <typename Test>
std::string BitRows(const Image& image, Test set) {
  const int n = image.size;
  const int stride = ((n + 31) / 32) * 4;
  std::string bits;
  for (int y = n - 1; y >= 0; --y) {
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int x = 0; x < n; ++x) {
      if (set(image.argb[static_cast<std::size_t>(y * n + x)])) row[x / 8] |= static_cast<char>(0x80 >> (x % 8));
    }
    bits += row;
  }
  return bits;
}

// 32-bit colour rows bottom-up, then the mask (set = transparent).
std::string EncodeColourDib(const Image& image) {
  std::string dib;
  PutInfoHeader(dib, image.size, 32);
  for (int y = image.size - 1; y >= 0; --y) {
    for (int x = 0; x < image.size; ++x) Put32(dib, image.argb[static_cast<std::size_t>(y * image.size + x)]);
  }
  return dib + BitRows(image, Transparent);
}

// Black and white: the colour bits (set = white) over a two-colour palette, then the mask.
std::string EncodeMonochromeDib(const Image& image) {
  std::string dib;
  PutInfoHeader(dib, image.size, 1);
  Put32(dib, 0x000000);
  Put32(dib, 0xFFFFFF);
  return dib + BitRows(image, White) + BitRows(image, Transparent);
}

bool BlackAndWhite(const Image& image, const std::string& path) {
  for (std::uint32_t argb : image.argb) {
    if (!Transparent(argb) && !White(argb) && argb != 0xFF000000u) {
      std::cerr << path << ": a cursor is black, white and none only\n";
      return false;
    }
  }
  return true;
}

struct Entry {
  int size;
  unsigned colours;         // palette size, 0 for none
  unsigned field1, field2;  // icon: planes and bit count; cursor: the hot spot
  std::string dib;
};

// The icon directory (type 1 icon, 2 cursor) and the images after it.
bool WriteIconFile(const char* path, unsigned type, const std::vector<Entry>& entries) {
  std::string directory;
  Put16(directory, 0);
  Put16(directory, type);
  Put16(directory, static_cast<unsigned>(entries.size()));
  std::string data;
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const Entry& entry : entries) {
    directory += static_cast<char>(entry.size == 256 ? 0 : entry.size);
    directory += static_cast<char>(entry.size == 256 ? 0 : entry.size);
    directory += static_cast<char>(entry.colours);
    directory += '\0';
    Put16(directory, entry.field1);
    Put16(directory, entry.field2);
    Put32(directory, static_cast<std::uint32_t>(entry.dib.size()));
    Put32(directory, offset);
    offset += static_cast<std::uint32_t>(entry.dib.size());
    data += entry.dib;
  }
  std::ofstream out(path, std::ios::binary);
  out << directory << data;
  return static_cast<bool>(out);
}

int MakeCursor(const std::string& hotSpot, const char* output, const char* art) {
  unsigned x = 0, y = 0;
  char comma = 0;
  std::istringstream in(hotSpot);
  Image image;
  if (!(in >> x >> comma >> y) || comma != ',' || !in.eof()) {
    std::cerr << "bad hot spot " << hotSpot << ", want X,Y\n";
    return 2;
  }
  if (!ReadArt(art, image) || !BlackAndWhite(image, art)) return 1;
  if (x >= static_cast<unsigned>(image.size) || y >= static_cast<unsigned>(image.size)) {
    std::cerr << art << ": the hot spot lies outside the picture\n";
    return 1;
  }
  return WriteIconFile(output, 2, {{image.size, 2, x, y, EncodeMonochromeDib(image)}}) ? 0 : 1;
}

int MakeIcon(int count, char** arts, const char* output) {
  std::vector<Entry> entries;
  for (int i = 0; i < count; ++i) {
    Image image;
    if (!ReadArt(arts[i], image)) return 1;
    entries.push_back({image.size, 0, 1, 32, EncodeColourDib(image)});
  }
  return WriteIconFile(output, 1, entries) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--cursor") return MakeCursor(argv[2], argv[3], argv[4]);
  if (argc < 3 || std::string(argv[1]) == "--cursor") {
    std::cerr << "usage: make_icon OUTPUT.ico ART.txt [ART.txt ...]\n"
                 "       make_icon --cursor X,Y OUTPUT.cur ART.txt\n";
    return 2;
  }
  return MakeIcon(argc - 2, argv + 2, argv[1]);
}
