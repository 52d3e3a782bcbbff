#include "capture/window_queries.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/picture.h"
#include "ui/system_function.h"

namespace {

using GetWindowAttribute = HRESULT WINAPI(HWND, DWORD, void*, DWORD);
constexpr DWORD ExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS

// On Windows 10 and 11 a window's rectangle includes an invisible resize border, which would
// bring a strip of what lies behind into the capture; the compositor knows the visible frame.
// It answers for top-level windows only, and only where it runs.
bool VisibleFrame(HWND window, RECT& frame) {
  static GetWindowAttribute* const attribute =
      SystemFunction<GetWindowAttribute>("dwmapi.dll", "DwmGetWindowAttribute");
  return attribute && SUCCEEDED(attribute(window, ExtendedFrameBounds, &frame, sizeof frame)) &&
         frame.right > frame.left && frame.bottom > frame.top;
}

// A window that was not found has an empty rectangle, which ends in the whole-screen fallback.
Edges RectangleOf(HWND window) {
  RECT r{};
  if (!window || (!VisibleFrame(window, r) && !GetWindowRect(window, &r))) return {};
  return {r.left, r.top, r.right, r.bottom};
}

Bounds BoundsOf(HWND window) {
  const Edges e = RectangleOf(window);
  return {e.left, e.top, e.Width(), e.Height()};
}

}  // namespace

Point ReadPointerPosition() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

CaptureScene QueryCaptureScene(CaptureType type, HWND mainWindow, Point pointer, const Bounds& fixedRectangle,
                               Size topLeftSize, HWND activeWindow) {
  if (type == CaptureType::ActiveWindow || type == CaptureType::WindowWithOwner ||
      type == CaptureType::WindowUnderPointer) {
    Application::ProcessMessages();
  }
  CaptureScene scene;
  scene.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const int desktopLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int desktopTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
  scene.desktop = {desktopLeft, desktopTop, desktopLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                   desktopTop + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  scene.mainWindow = BoundsOf(mainWindow);
  scene.fixedRectangle = fixedRectangle;
  scene.topLeftSize = topLeftSize;
  if (type == CaptureType::ActiveWindow) {
    scene.foregroundWindow = RectangleOf(activeWindow && IsWindow(activeWindow) ? activeWindow : GetForegroundWindow());
  }
  if (type == CaptureType::WindowWithOwner || type == CaptureType::WindowUnderPointer) {
    const HWND under = WindowFromPoint(POINT{pointer.x, pointer.y});
    scene.windowUnderPointer = RectangleOf(under);
    const HWND owner = under ? GetWindow(under, GW_OWNER) : nullptr;
    if (owner && owner != under) scene.ownerWindow = RectangleOf(owner);
  }
  return scene;
}

bool CopyScreen(const Bounds& rectangle, Picture& into) {
  // A picture of the rectangle's size is copied into as it is: a new bitmap of a screen's size
  // costs more than the copy itself (its memory is zeroed page by page on first touch). It is
  // made black first, as a new picture is: the copy does not reach a part of the rectangle that
  // lies off the screen (the screen can change after the rectangle was checked), and there the
  // last picture's pixels would stay.
  if (into.GetSize() == Size{rectangle.width, rectangle.height}) {
    GdiFlush();
    std::fill_n(into.Pixels(), static_cast<std::size_t>(into.Width()) * into.Height(), Pixel{0});
  } else {
    into.Clear();
    if (!into.Create({rectangle.width, rectangle.height})) return false;
  }
  WindowDc screen(nullptr);
  MemoryDc memory(CreateCompatibleDC(screen.Get()));
  if (!screen.Get() || !memory) return false;
  bool copied = false;
  {
    SelectedObject selected(memory.Get(), into.Handle());
    copied = BitBlt(memory.Get(), 0, 0, rectangle.width, rectangle.height, screen.Get(), rectangle.left, rectangle.top,
                    SRCCOPY) != FALSE;
  }
  GdiFlush();
  return copied;
}
