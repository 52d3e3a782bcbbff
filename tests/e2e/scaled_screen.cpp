// Test-only hook library: a 150 % screen as Windows 10 and 11 show it to a program (see
// scaled_screen.h). The program's imports are replaced once the library is loaded into it.
#include "scaled_screen.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "import_patch.h"

namespace {

// The awareness contexts are pseudo handles: -1 unaware, -2 system aware, -3 and -4 per monitor.
constexpr LONG_PTR Unaware = -1;
bool IsAwareContext(LONG_PTR context) { return context == -2 || context == -3 || context == -4; }

// 0 until the program sets it: the thread has the awareness the program's manifest gave it.
thread_local LONG_PTR threadContext = 0;

// The thread's awareness context as the system keeps it.
LONG_PTR SystemThreadContext() {
  using GetContext = HANDLE WINAPI();
  using AwarenessOf = int WINAPI(HANDLE);
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  auto* get = reinterpret_cast<GetContext*>(reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto* awareness =
      reinterpret_cast<AwarenessOf*>(reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  if (!get || !awareness) return Unaware;
  // Awareness 0 is unaware, 1 system aware, 2 per monitor.
  const int level = awareness(get());
  return level == 2 ? -4 : level == 1 ? -2 : Unaware;
}

bool Scaled() { return !IsAwareContext(threadContext != 0 ? threadContext : SystemThreadContext()); }
int ToLogical(int physical) { return MulDiv(physical, USER_DEFAULT_SCREEN_DPI, ScaledScreenDpi); }
int ToPhysical(int logical) { return MulDiv(logical, ScaledScreenDpi, USER_DEFAULT_SCREEN_DPI); }

decltype(&GetSystemMetrics) realGetSystemMetrics;
decltype(&GetWindowRect) realGetWindowRect;
decltype(&GetCursorPos) realGetCursorPos;
decltype(&WindowFromPoint) realWindowFromPoint;
decltype(&GetProcAddress) realGetProcAddress;

HANDLE WINAPI SetThreadAwareness(HANDLE handle) {
  const auto context = reinterpret_cast<LONG_PTR>(handle);
  if (!IsAwareContext(context) && context != Unaware) return nullptr;
  const LONG_PTR previous = std::exchange(threadContext, context);
  return reinterpret_cast<HANDLE>(previous != 0 ? previous : SystemThreadContext());
}

int WINAPI ScaledMetrics(int index) {
  const int value = realGetSystemMetrics(index);
  switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN:
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CYVIRTUALSCREEN:
      return Scaled() ? ToLogical(value) : value;
    default:
      return value;
  }
}

bool HasInvisibleBorder(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  return !(style & WS_CHILD) && (style & WS_THICKFRAME) && !IsZoomed(window);
}

BOOL WINAPI ScaledWindowRect(HWND window, RECT* rect) {
  if (!realGetWindowRect(window, rect)) return FALSE;
  if (HasInvisibleBorder(window)) {
    rect->left -= ScaledScreenBorder;
    rect->right += ScaledScreenBorder;
    rect->bottom += ScaledScreenBorder;
  }
  if (Scaled()) *rect = {ToLogical(rect->left), ToLogical(rect->top), ToLogical(rect->right), ToLogical(rect->bottom)};
  return TRUE;
}

BOOL WINAPI ScaledCursorPos(POINT* point) {
  if (!realGetCursorPos(point)) return FALSE;
  if (Scaled()) *point = {ToLogical(point->x), ToLogical(point->y)};
  return TRUE;
}

HWND WINAPI ScaledWindowFromPoint(POINT point) {
  if (Scaled()) point = {ToPhysical(point.x), ToPhysical(point.y)};
  return realWindowFromPoint(point);
}

// The visible frame, always in physical pixels; top-level windows only.
HRESULT WINAPI FrameBounds(HWND window, DWORD attribute, void* value, DWORD size) {
  constexpr DWORD ExtendedFrameBounds = 9;
  if (attribute != ExtendedFrameBounds) return E_NOTIMPL;
  if (!value || size < sizeof(RECT)) return E_INVALIDARG;
  if (!IsWindow(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return E_HANDLE;
  return realGetWindowRect(window, static_cast<RECT*>(value)) ? S_OK : E_FAIL;
}

FARPROC WINAPI LookUp(HMODULE module, LPCSTR name) {
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0) {
    if (std::strcmp(name, "SetThreadDpiAwarenessContext") == 0) return reinterpret_cast<FARPROC>(SetThreadAwareness);
    if (std::strcmp(name, "DwmGetWindowAttribute") == 0) return reinterpret_cast<FARPROC>(FrameBounds);
  }
  return realGetProcAddress(module, name);
}

}  // namespace

void PatchProgram() {
  realGetSystemMetrics = ReplaceImport("user32.dll", "GetSystemMetrics", ScaledMetrics);
  realGetWindowRect = ReplaceImport("user32.dll", "GetWindowRect", ScaledWindowRect);
  realGetCursorPos = ReplaceImport("user32.dll", "GetCursorPos", ScaledCursorPos);
  realWindowFromPoint = ReplaceImport("user32.dll", "WindowFromPoint", ScaledWindowFromPoint);
  realGetProcAddress = ReplaceImport("kernel32.dll", "GetProcAddress", LookUp);
}
