#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "picture/current_cursor.h"

// Reads image entry `index` of the file into `cursor` (AND and XOR images as 32-bit Pictures, hot spot, source
// file, from-bitmap flag) and returns the entry result (n >= 1 loaded; 0, -c or another value <= 0 when not: see cursor_file.h).
// `screenDepth` is the screen's bits per pixel (the BMP route's white tolerance applies at 8 or less).
// On entry the hot spot becomes (0, 0) and the source file is cleared; combineWithOr is left alone. The
// from-bitmap flag changes only with a load that succeeds, so that it always describes the images: on failure
// they are left as the route leaves them (a BMP that fails on a screen of 8 bits or less empties them).
int LoadCursorEntry(const std::string& fileName, int index, CurrentCursor& cursor, int screenDepth);

// A cursor file read once for several entries, as the image list loads all of a file's images:
// the whole file, except for program files, which the system reads itself.
struct CursorFileBytes {
  explicit CursorFileBytes(std::string fileName);
  std::string name;
  std::optional<std::vector<std::uint8_t>> bytes;  // nullopt for a program file or a file that cannot be read
};

// The same as above, from the bytes read before.
int LoadCursorEntry(const CursorFileBytes& file, int index, CurrentCursor& cursor, int screenDepth);

// How many images LoadCursorEntry can read from the file: the system's icon count for program files (.EXE/.DLL),
// our own count for every other kind (directory entries, animation frames, 1 for a BMP); 0 when none.
int CountCursorImages(const std::string& fileName);
int CountCursorImages(const CursorFileBytes& file);
