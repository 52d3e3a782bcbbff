#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/geometry.h"
#include "formats/byte_fields.h"
#include "formats/mask_and_colour.h"

// One image entry of an icon, cursor or animation frame, rebuilt as a one-entry icon file for the
// system's icon decoder, and the rules that take the decoded icon, drawn over black and over
// white, apart into the cursor's mask and colour pictures.

// Entries up to this size on each side are read; cursors and icons do not come larger.
inline constexpr int MaxEntrySide = 256;

// How the decoded icon is drawn.
enum class EntryDrawing {
  SixteenColours,  // 8 bits or less: on a 16-colour surface, so colours go to the nearest of the 16
  TrueColour,      // 16, 24 and 32 bits: in their own colours
  Blended,         // PNG: in their own colours, through their alpha
};

struct IconEntry {
  Size size;
  EntryDrawing drawing = EntryDrawing::SixteenColours;
  std::vector<std::uint8_t> iconFile;
};

// The entry whose image starts at the beginning of `image`: a bitmap (a 40-byte or later info
// header, the palette, the XOR rows, the AND rows) or a PNG of `declaredSize` bytes. nullopt when
// the entry is refused.
std::optional<IconEntry> RebuildIconEntry(ByteSpan image, std::uint32_t declaredSize);

// The colour table of the 16-colour surface: the standard VGA colours in their usual order.
extern const std::array<Pixel, 16> SixteenColourPalette;

// Top-down rows of 4-bit palette indexes, each row padded to 4 bytes, in 32-bit pixels; the
// bytes must hold every row.
PixelBuffer ExpandSixteenColourRows(ByteSpan rows, int width, int height);

// A masked icon: over black it shows its colour picture; where it shows something else over
// white, the background shows through (or is inverted).
MaskAndColour SplitOverBlackAndWhite(const PixelBuffer& overBlack, const PixelBuffer& overWhite);

// An icon drawn through its alpha: pixels at least half opaque take their own colour, the rest
// become transparent.
MaskAndColour SplitBlended(const PixelBuffer& overBlack, const PixelBuffer& overWhite);
