// Test-only hook library: the invisible window borders of current Windows (see scaled_screen.h).
// The program's imports are replaced once the library is loaded into it.
#include "scaled_screen.h"

#include <windows.h>

#include <cstring>

#include "import_patch.h"

namespace {

decltype(&GetWindowRect) realGetWindowRect;
decltype(&GetProcAddress) realGetProcAddress;

bool HasInvisibleBorder(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  return !(style & WS_CHILD) && (style & WS_THICKFRAME) && !IsZoomed(window);
}

BOOL WINAPI BorderedWindowRect(HWND window, RECT* rect) {
  if (!realGetWindowRect(window, rect)) return FALSE;
  if (HasInvisibleBorder(window)) {
    rect->left -= ScaledScreenBorder;
    rect->right += ScaledScreenBorder;
    rect->bottom += ScaledScreenBorder;
  }
  return TRUE;
}

// The visible frame; top-level windows only.
HRESULT WINAPI FrameBounds(HWND window, DWORD attribute, void* value, DWORD size) {
  constexpr DWORD ExtendedFrameBounds = 9;
  if (attribute != ExtendedFrameBounds) return E_NOTIMPL;
  if (!value || size < sizeof(RECT)) return E_INVALIDARG;
  if (!IsWindow(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return E_HANDLE;
  return realGetWindowRect(window, static_cast<RECT*>(value)) ? S_OK : E_FAIL;
}

FARPROC WINAPI LookUp(HMODULE module, LPCSTR name) {
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 && std::strcmp(name, "DwmGetWindowAttribute") == 0) {
    return reinterpret_cast<FARPROC>(FrameBounds);
  }
  return realGetProcAddress(module, name);
}

}  // namespace

void PatchProgram() {
  realGetWindowRect = ReplaceImport("user32.dll", "GetWindowRect", BorderedWindowRect);
  realGetProcAddress = ReplaceImport("kernel32.dll", "GetProcAddress", LookUp);
}
