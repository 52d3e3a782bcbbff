#include "formats/cursor_file.h"

#include <algorithm>
#include <climits>

#include "common/shift_jis.h"
#include "formats/animation_file.h"

namespace {

constexpr std::uint64_t DirectoryHeaderBytes = 6;
constexpr std::uint64_t DirectoryEntryBytes = 16;
constexpr int CursorType = 2;
// Hot spot coordinates up to this stay, even outside a smaller entry.
constexpr int HotSpotLimit = 64;

PreparedEntry WithResult(int result) {
  PreparedEntry prepared;
  prepared.result = result;
  return prepared;
}

// The image an entry's data offset points at, through the end of its container, rebuilt; a
// refused image turns the result negative.
PreparedEntry Rebuilt(int result, ByteSpan container, std::uint64_t entryAt) {
  PreparedEntry prepared = WithResult(-result);
  const std::uint32_t size = *ReadU32(container, entryAt + 8);
  const std::uint32_t offset = *ReadU32(container, entryAt + 12);
  if (offset >= container.size()) return prepared;
  prepared.entry = RebuildIconEntry(container.subspan(offset), size);
  if (prepared.entry) prepared.result = result;
  return prepared;
}

// The entry count, when the whole directory lies in the file.
std::optional<int> DirectoryCount(ByteSpan file) {
  const std::optional<std::uint16_t> count = ReadU16(file, 4);
  if (!count || !Holds(file, DirectoryHeaderBytes, DirectoryEntryBytes * *count)) return std::nullopt;
  return *count;
}

PreparedEntry PrepareDirectoryEntry(ByteSpan file, int index) {
  const std::optional<int> count = DirectoryCount(file);
  if (!count) return WithResult(0);
  if (index > *count - 1) return WithResult(-*count);
  const std::uint64_t entryAt = DirectoryHeaderBytes + DirectoryEntryBytes * static_cast<std::uint64_t>(index);
  PreparedEntry prepared = Rebuilt(index + 1, file, entryAt);
  if (prepared.entry && ReadU16(file, 2) == CursorType) {
    prepared.hotSpot = CursorHotSpot(*ReadU16(file, entryAt + 4), *ReadU16(file, entryAt + 6), prepared.entry->size);
  }
  return prepared;
}

// The frames of a sound animation; nullopt without a frame list or for unsound chunks.
std::optional<int> FrameCount(ByteSpan file) {
  const std::optional<FrameWalk> walk = WalkAnimationFrames(file, -1);
  if (!walk || !AnimationChunksAreSound(file, walk->walked)) return std::nullopt;
  return walk->walked;
}

PreparedEntry PrepareFrame(ByteSpan file, int index) {
  if (!FrameCount(file)) return WithResult(0);
  const FrameWalk walk = *WalkAnimationFrames(file, index);
  if (!walk.wanted) return WithResult(-walk.walked);
  // Only a frame's first directory entry is used; its data offset counts from the frame's start.
  const ByteSpan frame = *walk.wanted;
  if (ReadU16(frame, 4).value_or(0) == 0 || !Holds(frame, DirectoryHeaderBytes, DirectoryEntryBytes)) {
    return WithResult(-(index + 1));
  }
  return Rebuilt(index + 1, frame, DirectoryHeaderBytes);
}

}  // namespace

std::string UpperCaseExtension(std::string_view fileName) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < fileName.size(); ++i) {
    const char c = fileName[i];
    if (IsShiftJisLeadByte(static_cast<unsigned char>(c))) {
      ++i;  // the second byte may look like a separator
    } else if (c == '\\' || c == '/' || c == ':') {
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
  }
  return dot == std::string_view::npos ? std::string() : AsciiUpperCase(fileName.substr(dot));
}

bool IsProgramFileName(std::string_view fileName) {
  const std::string extension = UpperCaseExtension(fileName);
  return extension == ".EXE" || extension == ".DLL";
}

CursorFileKind CursorFileKindOf(ByteSpan file) {
  if (HasTag(file, 0, "BM")) return CursorFileKind::Bitmap;
  if (HasTag(file, 0, "RI")) return CursorFileKind::Animation;
  if (HasTag(file, 0, "MZ")) return CursorFileKind::ProgramImage;
  return CursorFileKind::IconDirectory;
}

PreparedEntry PrepareCursorEntry(ByteSpan file, int index) {
  if (index < 0) return WithResult(0);
  switch (CursorFileKindOf(file)) {
    case CursorFileKind::IconDirectory:
      return PrepareDirectoryEntry(file, index);
    case CursorFileKind::Animation:
      return PrepareFrame(file, index);
    default:
      return WithResult(0);
  }
}

int CountImagesInCursorFile(ByteSpan file) {
  switch (CursorFileKindOf(file)) {
    case CursorFileKind::Bitmap:
      return 1;
    case CursorFileKind::Animation:
      return FrameCount(file).value_or(0);
    case CursorFileKind::IconDirectory:
      return DirectoryCount(file).value_or(0);
    default:
      return 0;
  }
}

int ProgramFileResult(bool extracted, long long iconCount) {
  if (extracted) return 1;
  return -static_cast<int>(std::clamp<long long>(iconCount, 0, INT_MAX));
}

Point CursorHotSpot(int x, int y, Size entry) {
  const auto inside = [](int coordinate, int side) {
    return coordinate > HotSpotLimit && coordinate >= side ? 0 : coordinate;
  };
  return {inside(x, entry.width), inside(y, entry.height)};
}
