#pragma once
// Checks of a window's layout as the user sees it: texts shown whole, controls not lying over
// each other. Each gives one description per fault (empty: none), for a test's failure message,
// and holds at any scale: the texts are measured in the fonts the controls have.
#include <string>
#include <vector>

#include "driver.h"

namespace e2e {

// Every shown control of `top` (static, button, check box, edit, combo box, panel, coloured
// button) whose text, in the control's own font, needs more room than the control gives it.
std::vector<std::string> TextsThatDoNotFit(HWND top);

// The control can be seen: it and its parents are shown, and no shown sibling above it (or above
// one of its parents) covers it whole. Where the keyboard may go.
bool InSight(HWND control);

// Every pair of shown controls of `top` with one parent that lie partly over each other. A
// control that a sibling covers whole (the file history over the upper part) is out of sight,
// as a hidden one is, and not compared.
std::vector<std::string> OverlappingSiblings(HWND top);

}  // namespace e2e
