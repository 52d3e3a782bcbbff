#include "msgbox/work_area_probe.h"

#include <algorithm>
#include <vector>

#include "msgbox/work_area.h"
#include "ui/application.h"

namespace {

Bounds workArea;
HWND rememberedTaskbar = nullptr;

Edges WindowEdges(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

int WindowTextLength(HWND window) {
  char text[100];
  return GetWindowTextA(window, text, sizeof text);
}

// Where the probe finds no bar (current Windows keeps its taskbar flush with the screen's edge,
// which the probe rejects) the system's own work area of the primary screen holds.
Bounds SystemWorkArea(Size screen) {
  RECT r{};
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0) && r.right > r.left && r.bottom > r.top) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  return {0, 0, screen.width, screen.height};
}

// The probe knows the primary monitor; a box over a window on another monitor stays inside the
// work area of that one.
Bounds WorkAreaAround(const Bounds& reference) {
  const RECT r{reference.left, reference.top, reference.Right(), reference.Bottom()};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTOPRIMARY), &monitor) &&
      (monitor.dwFlags & MONITORINFOF_PRIMARY) == 0) {
    const RECT& w = monitor.rcWork;
    return {w.left, w.top, w.right - w.left, w.bottom - w.top};
  }
  return workArea;
}

}  // namespace

Size ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Bounds WorkArea() { return workArea; }

void ForgetTaskbar() { rememberedTaskbar = nullptr; }

bool ProbeWorkArea() {
  const Size screen = ScreenSize();
  workArea = {0, 0, screen.width, screen.height};
  HWND bar = rememberedTaskbar;
  HWND found = nullptr;
  if (!bar || !IsWindow(bar)) {
    const POINT corners[] = {{1, 1}, {1, screen.height - 1}, {screen.width - 1, 1},
                             {screen.width - 1, screen.height - 1}};
    std::vector<HWND> candidates;
    for (const POINT& corner : corners) {
      HWND window = WindowFromPoint(corner);
      if (window && IsTaskbarCandidate(WindowEdges(window), screen, WindowTextLength(window))) {
        candidates.push_back(window);
      }
    }
    if (candidates.empty()) {
      workArea = SystemWorkArea(screen);
      return false;
    }
    found = candidates.front();
    bar = *std::min_element(candidates.begin(), candidates.end(), [](HWND a, HWND b) {
      return reinterpret_cast<UINT_PTR>(a) < reinterpret_cast<UINT_PTR>(b);
    });
  }
  const auto area = WorkAreaBesideTaskbar(WindowEdges(bar), screen);
  if (!area) {
    rememberedTaskbar = nullptr;
    workArea = SystemWorkArea(screen);
    return false;
  }
  workArea = *area;
  if (!rememberedTaskbar || !IsWindow(rememberedTaskbar)) rememberedTaskbar = found;
  return true;
}

void PlaceDialog(HWND dialog, HWND source) {
  ProbeWorkArea();
  if (!source) source = Application::MainWindow();
  RECT reference{};
  Bounds referenceBounds = workArea;
  if (source && GetWindowRect(source, &reference)) {
    referenceBounds = {reference.left, reference.top, reference.right - reference.left,
                       reference.bottom - reference.top};
  }
  RECT own{};
  GetWindowRect(dialog, &own);
  const Bounds placed =
      PlaceOn(referenceBounds, {own.right - own.left, own.bottom - own.top}, WorkAreaAround(referenceBounds));
  SetWindowPos(dialog, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
