#pragma once
#include <optional>

#include "formats/byte_fields.h"

// Animated cursors: the frame list LoadCursorEntry walks, and the check that the chunks around it
// are ones a player could show.

struct FrameWalk {
  int walked = 0;                  // frames read, the wanted one included
  std::optional<ByteSpan> wanted;  // the wanted frame's chunk data, from its icon directory on
};

// Walks the frame list that the eight bytes "framicon" start at an offset from 0 to 1000 (the
// list's type, then its first frame's chunk id) up to frame `wanted` (from 0), or through the whole
// list when there are fewer frames. nullopt when there is no such list.
std::optional<FrameWalk> WalkAnimationFrames(ByteSpan file, int wanted);

// A RIFF "ACON" form with one header chunk of 36 bytes announcing 1 to `frames` icon frames, a
// non-zero display rate and no flags but icon frames and sequence, one frame list, and rate and
// sequence chunks (when there are any) long enough for every step and pointing at frames only.
bool AnimationChunksAreSound(ByteSpan file, int frames);
