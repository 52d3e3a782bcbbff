#pragma once
#include "capture/capture_rectangle.h"
#include "ui/picture.h"
#include "ui/win32.h"

// All of these work in physical pixels, as BitBlt copies them, also on a scaled screen.

// The pointer position in screen coordinates, read once per capture.
Point ReadPointerPosition();

// What the capture rectangle depends on, read from the system when the capture fires. For the
// window types pending messages run first, so the hidden main window no longer covers or owns
// anything. `activeWindow`: the window the active-window type takes while it still exists; null:
// the foreground window.
CaptureScene QueryCaptureScene(CaptureType type, HWND mainWindow, Point pointer, const Bounds& fixedRectangle,
                               Size topLeftSize, HWND activeWindow = nullptr);

// Copies the screen rectangle into `into`, which becomes a picture of its size (one of that size
// already is reused), black where the copy does not reach; false when the copy failed.
bool CopyScreen(const Bounds& rectangle, Picture& into);
