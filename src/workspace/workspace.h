#pragma once
#include <string>
#include <vector>

#include "common/geometry.h"
#include "picture/stamp_cursor.h"
#include "picture/working_picture.h"
#include "workspace/settings.h"

// What the features share for the whole run. The main window owns it and hands it to each
// feature; no feature keeps a copy of any of it.
struct Workspace {
  std::string programFolder;        // with trailing separator: the program's list and work files
  std::string windowsFolder;        // with trailing separator
  MainSettings settings;            // read at start-up, written at close
  WorkingPicture picture;           // working, base and scratch pictures (Image1)
  CurrentCursor cursor;             // Image_AND, Image_XOR, the hot spot and the combine flag
  int screenDepth = 0;              // bits per pixel, read at start-up
  std::vector<Bounds> captureFill;  // gaps of the last type-2 capture, for the capture fill
  // While set, the hot-spot menu does not open: a command is between its steps and lets
  // pending messages run (or talks to Program Manager, which does).
  bool hotSpotMenuGuard = false;

  // On screens of 8 bits or less pictures take the screen's colours before they are kept. Until
  // the depth is known (0) nothing does.
  bool LowColourScreen() const { return screenDepth > 0 && screenDepth <= 8; }
};
