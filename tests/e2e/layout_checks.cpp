#include "layout_checks.h"

#include <algorithm>

namespace e2e {
namespace {

std::string SizeText(const SIZE& s) { return std::to_string(s.cx) + " x " + std::to_string(s.cy); }

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " x " +
         std::to_string(r.bottom - r.top) + ")";
}

std::string Describe(HWND control) {
  std::string text = WindowText(control);
  return ClassOf(control) + (text.empty() ? "" : " \"" + text + "\"") + " " + RectText(WindowRect(control));
}

bool Covers(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
         outer.bottom >= inner.bottom;
}

// The shown children of `parent`, topmost first.
std::vector<HWND> ShownChildren(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) children.push_back(child);
  }
  return children;
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(HWND top) {
  std::vector<std::string> faults;
  for (const TextRoom& t : MeasureTexts(top)) {
    if (t.needed.cx <= t.room.cx && t.needed.cy <= t.room.cy) continue;
    faults.push_back(t.className + " \"" + t.text + "\" needs " + SizeText(t.needed) + ", has " + SizeText(t.room));
  }
  return faults;
}

bool InSight(HWND control) {
  if (!IsWindowVisible(control)) return false;
  for (HWND w = control; GetWindowLongA(w, GWL_STYLE) & WS_CHILD; w = GetParent(w)) {
    const RECT place = WindowRect(w);
    for (HWND above = GetWindow(w, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
      if (IsWindowVisible(above) && Covers(WindowRect(above), place)) return false;
    }
  }
  return true;
}

std::vector<std::string> OverlappingSiblings(HWND top) {
  std::vector<std::string> faults;
  std::vector<HWND> parents{top};
  for (HWND d : Descendants(top)) parents.push_back(d);
  for (HWND parent : parents) {
    const std::vector<HWND> children = ShownChildren(parent);
    std::vector<RECT> rects;
    for (HWND child : children) rects.push_back(WindowRect(child));
    // Out of sight: covered whole by a sibling above it.
    std::vector<bool> seen(children.size(), true);
    for (std::size_t i = 0; i < children.size(); ++i) {
      for (std::size_t above = 0; above < i; ++above) {
        if (Covers(rects[above], rects[i])) seen[i] = false;
      }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
      for (std::size_t j = i + 1; j < children.size(); ++j) {
        RECT common;
        if (!seen[i] || !seen[j] || !IntersectRect(&common, &rects[i], &rects[j])) continue;
        faults.push_back(Describe(children[i]) + " lies over " + Describe(children[j]) + " by " +
                         SizeText({common.right - common.left, common.bottom - common.top}));
      }
    }
  }
  return faults;
}

}  // namespace e2e
