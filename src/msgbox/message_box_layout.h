#pragma once
#include "common/design_scale.h"

// Sizing and placement of the message box's controls, from the measured text. The measures are
// design values (96 DPI) but for the text and the count label, measured in the box's own font;
// the layout is in pixels at `dpi`.

enum class MessageBoxKind { Ok, YesNo };

struct MessageBoxMeasures {
  Size text;                     // extent of the text in the box's font (all lines)
  int fontHeight = -13;          // negative: character height
  int memoTop = 16;              // the memo's top as designed
  Size picture{32, 32};          // Image_Box
  Size button{89, 33};           // every TColorBtn of the box
  int markerHeight = 3;          // Label_Select, as wide as a button
  Size countLabel;               // Label_TM with its longest text
  int dpi = DesignDpi;           // the box's scale
};

struct MessageBoxLayout {
  Size client;                   // the box's client area
  Bounds memo;
  Point picture;                 // top-left of Image_Box
  Bounds ok, yes, no, pause, resume;  // resume lies under pause
  bool showOk = false, showYesNo = false, showPausePair = false;
  bool showMarker = false;
  Bounds marker;                 // Label_Select
  Point countLabel;              // Label_TM, bottom-right
};

// `countDown`: the box counts down (its pause pair and time label are shown).
// `timeoutAnswer`: 0 for none, else the answer the count-down gives (1, 2, 6 or 7).
MessageBoxLayout LayOutMessageBox(const MessageBoxMeasures& m, MessageBoxKind kind, bool countDown,
                                  int timeoutAnswer);
