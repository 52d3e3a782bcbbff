#pragma once
#include "common/pixels.h"

// The browser's own glyphs: drive types (16 x 9) and folders (19 x 19). Pure red is the
// transparent colour.
enum class BrowserGlyph { Floppy, Fixed, Network, CDROM, RAM, ClosedFolder, OpenFolder };

inline constexpr Pixel GlyphTransparent = MakePixel(255, 0, 0);

PixelBuffer BrowserGlyphPicture(BrowserGlyph glyph);
