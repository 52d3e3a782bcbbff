#include <algorithm>
#include <cstdlib>

#include "formats/cursor_file.h"
#include "formats/entry_drawing.h"
#include "formats/program_file.h"
#include "fuzz_target.h"

namespace {

// A rebuilt icon is one directory entry pointing at offset 22 and the data it announces, of an
// entry LoadCursorEntry may draw.
bool WellFormed(const IconEntry& entry) {
  const ByteSpan file = entry.iconFile;
  return ReadU16(file, 4) == 1 && ReadU32(file, 18) == 22u && ReadU32(file, 14) == file.size() - 22 &&
         entry.size.width >= 1 && entry.size.width <= MaxEntrySide && entry.size.height >= 1 &&
         entry.size.height <= MaxEntrySide;
}

}  // namespace

// Whatever the bytes, the program-file check and locating, rebuilding and drawing entries stay in
// bounds; each entry the count promises is either loaded (index + 1) or refused (its negation), and
// asking past the count tells the count.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteSpan file(data, size);
  ProgramIconsAreSound(file);
  const int count = CountImagesInCursorFile(file);
  const CursorFileKind kind = CursorFileKindOf(file);
  if (kind != CursorFileKind::IconDirectory && kind != CursorFileKind::Animation) return 0;
  if (PrepareCursorEntry(file, count).result != -count) std::abort();
  for (int index = 0; index < std::min(count, 4); ++index) {
    const PreparedEntry prepared = PrepareCursorEntry(file, index);
    const bool loaded = prepared.result == index + 1;
    if (loaded != prepared.entry.has_value() || (!loaded && prepared.result != -(index + 1))) std::abort();
    if (prepared.entry && !WellFormed(*prepared.entry)) std::abort();
    if (prepared.entry) EntryPictures(*prepared.entry);
  }
  return 0;
}
