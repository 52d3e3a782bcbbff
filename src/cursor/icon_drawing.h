#pragma once
#include <optional>

#include "common/geometry.h"
#include "formats/entry_drawing.h"
#include "formats/icon_entry.h"
#include "ui/win32.h"

// The icon drawn at (0, 0) at `size` with the system's icon drawing over black and over white, on
// a 16-colour surface for SixteenColours and a 32-bit one otherwise; nullopt when it cannot be
// drawn.
std::optional<EntryDrawings> DrawIconOverBlackAndWhite(HICON icon, Size size, EntryDrawing drawing);

// The icon drawn in true colour over black and over white, taken apart into mask and colour
// pictures.
std::optional<MaskAndColour> DrawIconApart(HICON icon, Size size);
