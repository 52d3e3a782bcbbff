#pragma once
// What the tests check of a dialog of the system on the screen.
#include <windows.h>

// The window lies whole inside the work area of its monitor.
bool InsideWorkArea(HWND window);

// The type box (cmb1) of a file dialog shows its chosen entry whole: its text, dark on the face,
// ends with room to spare before the drop-down button, where a cut text runs up to the button.
bool TypeBoxShowsItsEntryWhole(HWND dialog);
