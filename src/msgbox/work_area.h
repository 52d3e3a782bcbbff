#pragma once
#include <optional>

#include "common/geometry.h"

// The arithmetic of the work-area probe and of dialog placement; the window queries that
// feed it live in work_area_probe.

// A window under a screen corner is taken for the taskbar when it is centred on the screen in
// one direction, not wider or taller than about half the screen across that direction, does
// not start at the screen edge and has no window text.
bool IsTaskbarCandidate(const Edges& window, Size screen, int windowTextLength);

// The part of the screen the bar leaves free; nullopt when that part is degenerate.
std::optional<Bounds> WorkAreaBesideTaskbar(const Edges& bar, Size screen);

// Centres a dialog of `size` on `reference`, then clamps it into the work area.
Bounds PlaceOn(const Bounds& reference, Size size, const Bounds& workArea);
