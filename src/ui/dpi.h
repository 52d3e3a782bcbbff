#pragma once
#include "common/design_scale.h"
#include "ui/handles.h"
#include "ui/win32.h"

// The one place where design units become a window's pixels. Every position, size, font height
// and inset of the program's windows is designed as pixels at 96 dots per inch; the program is
// per-monitor DPI aware, so each window lays that design out at its own monitor's scale (and at
// 96 DPI every value stays exactly as designed) through the DpiScale of its DPI.

// The dots per inch the window (or its top-level window) is shown at: its monitor's, cached per
// top-level window until the system says it moved to another scale; the system's where the
// system cannot tell per window. Null: the system's.
int WindowDpi(HWND window);
// The primary screen's DPI as the program sees it (LOGPIXELSX where nothing newer answers).
int SystemDpi();
// A top-level window's scale changed (WM_DPICHANGED) or it is gone.
void NoteWindowDpi(HWND topLevel, int dpi);
void ForgetWindowDpi(HWND topLevel);

inline DpiScale ScaleOf(HWND window) { return DpiScale(WindowDpi(window)); }

// A pixel value at `oldDpi` at `newDpi`: what a window keeps when it moves to another scale.
inline int Rescale(int pixels, int oldDpi, int newDpi) { return MulDiv(pixels, newDpi, oldDpi); }

// A system metric (GetSystemMetrics' index) as the system gives it at `dpi`.
int SystemMetric(int index, int dpi);

// A font by face name, design height (negative: character height) and style, at `dpi` (the raster
// "System" face becomes a scalable one away from 96 DPI).
FontHandle MakeFont(const char* face, int designHeight, int dpi, bool bold = false, bool italic = false);
// The system's GUI font (DEFAULT_GUI_FONT) at `dpi`; the program keeps it for the run.
HFONT GuiFont(int dpi);

// Room for a line of text. At 96 DPI the face of a design may have a taller line than the design
// gives its texts (the raster "System" face of a Japanese system: 18 pixels, and its Japanese
// letters reach the last rows): the design grows to that line, alike at every scale.
//
// The line of `face` at `designHeight` at 96 DPI, in design pixels.
int DesignLineHeight(const char* face, int designHeight);
// `design` at least `designLine` high, at the scale, and there at least a line of `font` high;
// `designFrame` (the frame above and below the text together) comes on top of either line.
Bounds LineBounds(const DpiScale& scale, Bounds design, int designLine, HFONT font, int designFrame = 0);
