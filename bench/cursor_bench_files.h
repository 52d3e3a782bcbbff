#pragma once
// The files the cursor benchmarks read: 200 frames of 32 x 32, each a little different, as one
// animated cursor and as one icon directory holding the same 200 images, so that our list filling
// and ImageMagick's decoding are timed on the same pictures.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "support/cursor_file_builder.h"

namespace cursor_bench {

using cursor_test::Bytes;

inline constexpr int FrameCount = 200;
inline constexpr int Side = 32;

// A frame's image: a diagonal pattern shifted by the frame number, its mask clear where a band of
// the pattern passes (4 bits: through a palette of 16 colours; 32 bits: opaque colours).
inline Bytes FrameImage(int frame, int bitCount) {
  const auto colour = [frame, bitCount](int x, int y) -> std::uint32_t {
    const int step = (x + y + frame) % 16;
    if (bitCount <= 8) return static_cast<std::uint32_t>(step);
    return 0xFF000000u | MakePixel(step * 16, (x * 8 + frame) & 255, (y * 8) & 255);
  };
  const auto clear = [frame](int x, int y) -> std::uint32_t { return (x + 2 * y + frame) % 9 == 0 ? 1 : 0; };
  std::vector<Pixel> palette;
  for (int i = 0; i < 16; ++i) palette.push_back(MakePixel(i * 16, 255 - i * 16, (i * 80) & 255));
  return cursor_test::EntryImage({Side, 2 * Side, static_cast<std::uint16_t>(bitCount)}, palette,
                                 cursor_test::Rows(Side, Side, bitCount, colour), cursor_test::Rows(Side, Side, 1, clear));
}

inline cursor_test::DirectoryEntry FrameEntry(int frame, int bitCount) {
  cursor_test::DirectoryEntry entry{FrameImage(frame, bitCount)};
  entry.colours = bitCount == 4 ? 16 : 0;
  return entry;
}

// The animated cursor: every frame a one-entry cursor with its hot spot in the middle.
inline Bytes AnimatedCursor(int bitCount) {
  std::vector<Bytes> frames;
  for (int i = 0; i < FrameCount; ++i) {
    cursor_test::DirectoryEntry entry = FrameEntry(i, bitCount);
    entry.hotX = entry.hotY = Side / 2;
    frames.push_back(cursor_test::IconDirectory(2, {entry}));
  }
  return cursor_test::Animation(frames);
}

// An icon file of the first `count` frames as its entries.
inline Bytes IconFile(int bitCount, int count = FrameCount) {
  std::vector<cursor_test::DirectoryEntry> entries;
  for (int i = 0; i < count; ++i) entries.push_back(FrameEntry(i, bitCount));
  return cursor_test::IconDirectory(1, entries);
}

inline bool WriteFile(const std::string& path, const Bytes& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// A file of the benchmark's, removed when the benchmark ends.
class TemporaryFile {
 public:
  TemporaryFile(std::string path, const Bytes& bytes) : path_(std::move(path)) {
    if (!WriteFile(path_, bytes)) path_.clear();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (!path_.empty()) std::remove(path_.c_str());
  }
  // Empty when the file could not be written.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace cursor_bench
