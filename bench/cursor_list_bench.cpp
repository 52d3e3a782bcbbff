// Filling the image list from a 200-frame animated cursor of 32 x 32 frames (4 and 32 bits) as the
// list does it: the file read once, then every entry loaded with LoadCursorEntry (the entry
// rebuilt, drawn over black and white and taken into the cursor's pictures). Runs under Wine via
// scripts/bench-cursors, which times ImageMagick on the same 200 images beside it.
//   cursor_list_bench.exe [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cursor/load_cursor_entry.h"
#include "cursor_bench_files.h"
#include "median_time.h"
#include "ui/handles.h"

namespace {

std::string TemporaryFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return length > 0 && length <= MAX_PATH ? std::string(folder, length) : std::string(".\\");
}

// Every entry of the file, in order; false when one does not load.
bool LoadEveryEntry(const std::string& path, int screenDepth) {
  CurrentCursor cursor;
  const CursorFileBytes file(path);
  for (int i = 0; i < cursor_bench::FrameCount; ++i) {
    if (LoadCursorEntry(file, i, cursor, screenDepth) != i + 1) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  if (runs < 1 || runs > 1000) {
    std::fprintf(stderr, "usage: cursor_list_bench.exe [runs 1-1000]\n");
    return 2;
  }
  const int screenDepth = GetDeviceCaps(WindowDc(nullptr).Get(), BITSPIXEL);
  std::printf("LoadCursorEntry for each of the %d frames of an animated cursor, median of %d runs, screen %d bits\n",
              cursor_bench::FrameCount, runs, screenDepth);
  for (int bits : {4, 32}) {
    const cursor_bench::TemporaryFile file(TemporaryFolder() + "piktoran-bench-" + std::to_string(bits) + ".ani",
                                           cursor_bench::AnimatedCursor(bits));
    if (file.Path().empty() || !LoadEveryEntry(file.Path(), screenDepth)) {
      std::fprintf(stderr, "the %d-bit animated cursor could not be written or loaded\n", bits);
      return 1;
    }
    const double ms = MedianMs([&] { LoadEveryEntry(file.Path(), screenDepth); }, runs);
    std::printf("  %2d-bit frames  %9.2f ms  (%.3f ms an entry)\n", bits, ms, ms / cursor_bench::FrameCount);
  }
  return 0;
}
