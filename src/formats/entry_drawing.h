#pragma once
#include <optional>

#include "formats/icon_entry.h"

// A rebuilt bitmap entry drawn at its own size over black and over white, pixel for pixel as the
// system's icon drawing shows it on the surface the entry's EntryDrawing names: the mask ANDed
// onto the background, then the colour exclusive-or'ed onto it. On the 16-colour surface both
// steps work on palette indexes, so an inverted pixel is the index's complement, not the colour's.
struct EntryDrawings {
  PixelBuffer overBlack;
  PixelBuffer overWhite;
};

// nullopt for a PNG entry (its pixels need a PNG decoder) or bytes that do not hold the entry.
std::optional<EntryDrawings> DrawEntry(const IconEntry& entry);

// The index of the 16-colour palette a colour is drawn as: the nearest by squared distance, the
// first of equals.
int NearestOfSixteen(Pixel colour);

// The entry's mask and colour pictures, taken apart from its two drawings.
std::optional<MaskAndColour> EntryPictures(const IconEntry& entry);
