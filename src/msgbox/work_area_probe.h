#pragma once
#include "common/geometry.h"
#include "ui/win32.h"

// The part of the screen the taskbar leaves free, found by looking at the windows under the
// screen corners. The taskbar found first is remembered for later probes.

// Sets the work area; true when a taskbar was found.
bool ProbeWorkArea();
// Clears the remembered taskbar (the main window's placement probes afresh).
void ForgetTaskbar();
Bounds WorkArea();
Size ScreenSize();

// Centres a dialog on its source window (0: the main window) inside the work area, or inside
// the work area of the monitor the source window lies on when that is not the primary one.
void PlaceDialog(HWND dialog, HWND source);
