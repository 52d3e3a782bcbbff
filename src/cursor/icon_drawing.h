#pragma once
#include <optional>

#include "common/geometry.h"
#include "cursor/icon_entry.h"
#include "ui/win32.h"

// The icon drawn at (0, 0) at `size` over black and over white, on a 16-colour surface for
// SixteenColours and a 32-bit one otherwise, and taken apart into mask and colour pictures;
// nullopt when it cannot be drawn.
std::optional<MaskAndColour> DrawIconApart(HICON icon, Size size, EntryDrawing drawing);
