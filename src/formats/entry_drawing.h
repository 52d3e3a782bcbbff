#pragma once
#include <optional>

#include "formats/icon_entry.h"

// A rebuilt entry drawn at its own size over black and over white as the system's icon drawing
// shows it on the surface the entry's EntryDrawing names. A bitmap entry pixel for pixel: the mask
// ANDed onto the background, then the colour exclusive-or'ed onto it; on the 16-colour surface
// both steps work on palette indexes, so an inverted pixel is the index's complement, not the
// colour's. A PNG entry through its alpha, decoded by our PNG reader under the entries' size cap.
struct EntryDrawings {
  PixelBuffer overBlack;
  PixelBuffer overWhite;
};

// nullopt for bytes that do not hold the entry, or a PNG the reader refuses.
std::optional<EntryDrawings> DrawEntry(const IconEntry& entry);

// The index of the 16-colour palette a colour is drawn as: the nearest by squared distance, the
// first of equals.
int NearestOfSixteen(Pixel colour);

// The entry's mask and colour pictures, taken apart from its two drawings.
std::optional<MaskAndColour> EntryPictures(const IconEntry& entry);
