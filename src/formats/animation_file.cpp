#include "formats/animation_file.h"

#include <algorithm>

namespace {

// Start offsets searched for the frame list: its eight bytes lie within the first 1024.
constexpr std::size_t LastFrameListOffset = 1000;
// A frame chunk: "icon", its length, and at least the 6-byte directory header.
constexpr std::uint32_t FrameHeaderBytes = 6;
// No animated cursor needs more chunks than this beside its frames; a file of millions of empty
// chunks only costs time.
constexpr int MaxChunks = 4096;
// Header flags: frames are icons, and a sequence chunk orders them.
constexpr std::uint32_t IconFrames = 1;
constexpr std::uint32_t Sequenced = 2;
constexpr std::uint32_t HeaderBytes = 36;

struct AnimationHeader {
  std::uint32_t frames = 0;
  std::uint32_t steps = 0;
  std::uint32_t rate = 0;
  std::uint32_t flags = 0;
};

struct Chunks {
  std::optional<AnimationHeader> header;
  std::optional<ByteSpan> rate;
  std::optional<ByteSpan> sequence;
  bool frameList = false;
};

// The top-level chunks, each taken once; false for a duplicate, a short header or too many chunks.
// A chunk reaching past its form ends the walk with its data cut at the form's end.
bool ReadChunks(ByteSpan form, Chunks& chunks) {
  int count = 0;
  for (std::uint64_t at = 12; Holds(form, at, 8);) {
    if (++count > MaxChunks) return false;
    const std::uint32_t size = *ReadU32(form, at + 4);
    const std::uint64_t data = at + 8;
    const ByteSpan contents = form.subspan(data, std::min<std::uint64_t>(size, form.size() - data));
    const auto once = [](std::optional<ByteSpan>& slot, ByteSpan value) {
      if (slot) return false;
      slot = value;
      return true;
    };
    if (HasTag(form, at, "anih")) {
      if (chunks.header || size != HeaderBytes || contents.size() != HeaderBytes) return false;
      chunks.header = AnimationHeader{*ReadU32(contents, 4), *ReadU32(contents, 8), *ReadU32(contents, 28),
                                      *ReadU32(contents, 32)};
    } else if (HasTag(form, at, "rate")) {
      if (!once(chunks.rate, contents)) return false;
    } else if (HasTag(form, at, "seq ")) {
      if (!once(chunks.sequence, contents)) return false;
    } else if (HasTag(form, at, "LIST") && HasTag(contents, 0, "fram")) {
      if (chunks.frameList) return false;
      chunks.frameList = true;
    }
    at = data + size + (size & 1);
  }
  return true;
}

}  // namespace

std::optional<FrameWalk> WalkAnimationFrames(ByteSpan file, int wanted) {
  std::optional<std::size_t> found;
  for (std::size_t at = 0; at <= LastFrameListOffset && !found; ++at) {
    if (HasTag(file, at, "framicon")) found = at;
  }
  if (!found) return std::nullopt;
  // Frames end where the list ends, when the list's own chunk header stands before it.
  ByteSpan list = file;
  if (*found >= 8 && HasTag(file, *found - 8, "LIST")) {
    list = file.first(std::min<std::uint64_t>(file.size(), *found + std::uint64_t{*ReadU32(file, *found - 4)}));
  }
  FrameWalk walk;
  std::uint64_t at = *found + 4;
  while (HasTag(list, at, "icon")) {
    const std::uint32_t length = ReadU32(list, at + 4).value_or(0);
    if (length < FrameHeaderBytes || !Holds(list, at + 8, length)) break;
    if (walk.walked++ == wanted) {
      walk.wanted = list.subspan(at + 8, length);
      break;
    }
    at += 8 + std::uint64_t{length};
    // Writers that keep to RIFF pad an odd chunk with one byte; those that do not are read too.
    if (length % 2 != 0 && !HasTag(list, at, "icon") && HasTag(list, at + 1, "icon")) ++at;
  }
  return walk;
}

bool AnimationChunksAreSound(ByteSpan file, int frames) {
  const std::optional<std::uint32_t> formSize = ReadU32(file, 4);
  if (!HasTag(file, 0, "RIFF") || !formSize || !HasTag(file, 8, "ACON")) return false;
  Chunks chunks;
  if (!ReadChunks(file.first(std::min<std::uint64_t>(file.size(), 8 + std::uint64_t{*formSize})), chunks)) {
    return false;
  }
  if (!chunks.header || !chunks.frameList) return false;
  const AnimationHeader& header = *chunks.header;
  if (header.frames == 0 || header.frames > static_cast<std::uint32_t>(std::max(frames, 0))) return false;
  if (header.steps == 0 || header.rate == 0) return false;
  if ((header.flags & ~(IconFrames | Sequenced)) != 0 || (header.flags & IconFrames) == 0) return false;
  const std::uint64_t stepBytes = 4 * std::uint64_t{header.steps};
  if (chunks.rate && chunks.rate->size() < stepBytes) return false;
  if (!chunks.sequence) return (header.flags & Sequenced) == 0 && header.steps <= header.frames;
  if (chunks.sequence->size() < stepBytes) return false;
  for (std::uint64_t step = 0; step < header.steps; ++step) {
    if (*ReadU32(*chunks.sequence, 4 * step) >= header.frames) return false;
  }
  return true;
}
