#pragma once

// The system colours the first three clear colours stand for, as the system gives them when
// the picture is drawn (0x00BBGGRR).
struct SystemColours {
  int window = 0;     // COLOR_WINDOW
  int buttonFace = 0; // COLOR_BTNFACE
  int workspace = 0;  // COLOR_APPWORKSPACE
};

// イチゴミルク: red 255, green 240, blue 230.
inline constexpr int StrawberryMilk = 0x00E6F0FF;

// The colour (0x00BBGGRR) of clear colour entry `index` (BMPBG0 … BMPBG6): the three system
// colours, white, black, イチゴミルク and the user colour; an index outside the list gives the
// default entry's colour.
int ClearColourOf(int index, int userColour, const SystemColours& system);
