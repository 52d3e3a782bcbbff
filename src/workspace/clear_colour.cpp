#include "workspace/clear_colour.h"

int ClearColourOf(int index, int userColour, const SystemColours& system) {
  switch (index) {
    case 0:
      return system.window;
    case 1:
      return system.buttonFace;
    case 2:
      return system.workspace;
    case 3:
      return 0xFFFFFF;
    case 4:
      return 0x000000;
    case 6:
      return userColour;
    default:
      return StrawberryMilk;
  }
}
