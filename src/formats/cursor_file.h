#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "formats/byte_fields.h"
#include "formats/icon_entry.h"

// The cursor and icon files LoadCursorEntry reads, as bytes: which kind a file is, where its image
// entries lie and how many there are, and the entry results it gives.
//
// Entry results: n >= 1 loaded (index + 1 for directories and animations, 1 for BMP and program
// files); 0 not loaded before any entry was found; -c the index is past the last of c entries;
// -1 a BMP that cannot be loaded; otherwise the result reached so far, negated.

// Larger files are no cursors; they are refused before being read.
inline constexpr std::int64_t MaxCursorFileBytes = std::int64_t{16} << 20;

enum class CursorFileKind {
  Bitmap,         // "BM"
  Animation,      // "RI"
  ProgramImage,   // "MZ" under another extension than .EXE or .DLL: never read
  IconDirectory,  // anything else: .CUR, .ICO, *.IC? and unrecognised files
};

// The extension from its dot, upper-cased ("" when the name has none).
std::string UpperCaseExtension(std::string_view fileName);

// .EXE and .DLL go to the system, whatever they hold.
bool IsProgramFileName(std::string_view fileName);

CursorFileKind CursorFileKindOf(ByteSpan file);

struct PreparedEntry {
  int result = 0;
  std::optional<IconEntry> entry;  // when result >= 1
  Point hotSpot;                   // a cursor entry's; (0, 0) otherwise
};

// Entry `index` of an icon directory or animated cursor, up to the rebuilt one-entry icon.
PreparedEntry PrepareCursorEntry(ByteSpan file, int index);

// How many images LoadCursorEntry can be asked for: directory entries, animation frames, 1 for a
// BMP; 0 for anything else.
int CountImagesInCursorFile(ByteSpan file);

// A program file's result: 1 when the system gave icon `index`, otherwise minus its icon count.
int ProgramFileResult(bool extracted, long long iconCount);

// A cursor's hot spot coordinate beyond 64 that also lies outside the entry becomes 0.
Point CursorHotSpot(int x, int y, Size entry);
