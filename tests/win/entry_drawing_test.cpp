// Our drawing of cursor and icon entries against the system's: every entry of every cursor, icon
// and animation in the test data, decoded by CreateIconFromResourceEx and drawn with DrawIconEx
// over black and over white, must come out the same as ours: pixel for pixel for bitmaps, within
// the blend's rounding for PNG entries.
#include "formats/entry_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "../support/cursor_file_builder.h"
#include "cursor/icon_drawing.h"
#include "formats/cursor_file.h"
#include "ui/handles.h"

namespace {

using namespace cursor_test;

constexpr std::size_t IconFileHeaderBytes = 22;

// A folder of the build machine as this process sees it.
std::string HostFolder(std::string path) {
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path.size() > 1 && path[0] == '\\' ? "Z:" + path : path;
}

std::vector<std::pair<std::string, Bytes>> FilesIn(const std::string& folder) {
  std::vector<std::pair<std::string, Bytes>> files;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    const std::string kind = UpperCaseExtension(found.cFileName);
    if (kind != ".CUR" && kind != ".ICO" && kind != ".ANI") continue;
    std::ifstream in(folder + "\\" + found.cFileName, std::ios::binary);
    files.emplace_back(found.cFileName, Bytes(std::istreambuf_iterator<char>(in), {}));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

// Entries of every depth the reader takes, in odd sizes, with random palettes, pixels and masks:
// opaque, see-through and inverting pixels side by side. 32-bit entries with alpha, with and
// without their mask.
std::vector<std::pair<std::string, Bytes>> GeneratedFiles() {
  std::mt19937 random(7);
  const auto any = [&random](int, int) { return static_cast<std::uint32_t>(random()); };
  std::vector<std::pair<std::string, Bytes>> files;
  const Size sizes[] = {{32, 32}, {13, 7}, {1, 1}, {48, 48}, {33, 17}};
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    std::vector<DirectoryEntry> entries;
    for (const Size size : sizes) {
      std::vector<Pixel> palette;
      for (int i = 0; i < 256; ++i) palette.push_back(random() & 0xFFFFFF);
      if (bits == 1 && entries.empty()) palette = {0, 0xFFFFFF};  // the monochrome kind
      const auto mask = [&random](int, int) { return static_cast<std::uint32_t>(random() % 3 == 0); };
      const auto colour = [&](int x, int y) { return bits == 32 && random() % 2 ? any(x, y) & 0x00FFFFFF : any(x, y); };
      const InfoHeader header{size.width, 2 * size.height, static_cast<std::uint16_t>(bits)};
      const Bytes colourRows = Rows(size.width, size.height, bits, [&](int x, int y) {
        return bits < 16 ? any(x, y) & ((1u << bits) - 1) : colour(x, y);
      });
      entries.push_back({EntryImage(header, palette, colourRows, Rows(size.width, size.height, 1, mask))});
      if (bits == 32) entries.push_back({EntryImage(header, {}, colourRows, {})});
    }
    files.emplace_back(std::to_string(bits) + "-bit.ico", IconDirectory(1, entries));
  }
  // PNG entries with every alpha from clear to opaque, beside the sizes above.
  std::vector<DirectoryEntry> pngEntries;
  for (const Size size : sizes) {
    pngEntries.push_back({Png(size.width, size.height, any)});
  }
  files.emplace_back("png.ico", IconDirectory(1, pngEntries));
  return files;
}

// The largest difference of one colour channel between two drawings of the same size.
int LargestChannelDifference(const PixelBuffer& ours, const PixelBuffer& system) {
  int largest = 0;
  for (std::size_t i = 0; i < ours.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int a = static_cast<int>(ours.pixels[i] >> shift & 0xFF), b = static_cast<int>(system.pixels[i] >> shift & 0xFF);
      largest = std::max(largest, std::abs(a - b));
    }
  }
  return largest;
}

std::optional<EntryDrawings> SystemDrawings(const IconEntry& entry) {
  const IconHandle icon(CreateIconFromResourceEx(const_cast<PBYTE>(entry.iconFile.data() + IconFileHeaderBytes),
                                                 static_cast<DWORD>(entry.iconFile.size() - IconFileHeaderBytes), TRUE,
                                                 0x00030000, entry.size.width, entry.size.height, LR_DEFAULTCOLOR));
  if (!icon) return std::nullopt;
  return DrawIconOverBlackAndWhite(icon.Get(), entry.size, entry.drawing);
}

// The first pixel where the two differ, for the failure message.
std::string FirstDifference(const PixelBuffer& ours, const PixelBuffer& system) {
  for (int y = 0; y < ours.height; ++y) {
    for (int x = 0; x < ours.width; ++x) {
      if (ours.At(x, y) != system.At(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d): ours %06X, the system's %06X", x, y, ours.At(x, y), system.At(x, y));
        return text;
      }
    }
  }
  return "";
}

TEST(EntryDrawing, EveryEntryOfTheTestDataAsTheSystemDrawsIt) {
  std::vector<std::pair<std::string, Bytes>> files = GeneratedFiles();
  for (const char* folder : {PIKTORAN_CURSOR_CORPUS, PIKTORAN_CURSOR_RESOURCES}) {
    const auto found = FilesIn(HostFolder(folder));
    EXPECT_FALSE(found.empty()) << folder;
    files.insert(files.end(), found.begin(), found.end());
  }
  int compared = 0;
  int blended = 0;
  std::set<int> depths;
  for (const auto& [name, bytes] : files) {
    const int count = CountImagesInCursorFile(bytes);
    for (int index = 0; index < count; ++index) {
      const PreparedEntry prepared = PrepareCursorEntry(bytes, index);
      if (prepared.result < 1) continue;
      const IconEntry& entry = *prepared.entry;
      const std::optional<EntryDrawings> system = SystemDrawings(entry);
      const std::optional<EntryDrawings> ours = DrawEntry(entry);
      const std::string where = name + " entry " + std::to_string(index);
      if (entry.drawing == EntryDrawing::Blended) {
        // A PNG the system cannot decode (the seed that is a header alone) we refuse as well.
        ASSERT_EQ(ours.has_value(), system.has_value()) << where;
        if (!ours) continue;
        EXPECT_LE(LargestChannelDifference(ours->overBlack, system->overBlack), 1) << where << " over black";
        EXPECT_LE(LargestChannelDifference(ours->overWhite, system->overWhite), 1) << where << " over white";
        ++blended;
        continue;
      }
      ASSERT_TRUE(system && ours) << where;
      EXPECT_EQ(FirstDifference(ours->overBlack, system->overBlack), "") << where << " over black";
      EXPECT_EQ(FirstDifference(ours->overWhite, system->overWhite), "") << where << " over white";
      ++compared;
      depths.insert(entry.iconFile[IconFileHeaderBytes + 14]);
    }
  }
  EXPECT_GE(compared, 50);
  EXPECT_GE(blended, 5);
  EXPECT_EQ(depths, (std::set<int>{1, 4, 8, 16, 24, 32}));
}

}  // namespace
