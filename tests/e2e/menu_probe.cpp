// Test-only hook library: runs inside PIKTORAN's process, reads the menu bar (or the icons) of the
// window that receives MenuDumpMessage (IconQueryMessage) and sends it to the reply window named
// in wParam.
#include <windows.h>

#include <string>

#include "menu_probe.h"

namespace {

void DumpMenu(HMENU menu, int depth, std::string& dump) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    char caption[1024] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = sizeof caption - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    char flags[4] = {};
    std::size_t flagCount = 0;
    const bool separator = info.fType & MFT_SEPARATOR;
    if (separator) flags[flagCount++] = MenuFlagSeparator;
    if (info.fState & MFS_CHECKED) flags[flagCount++] = MenuFlagChecked;
    // Wine grays every separator; for a line that cannot be chosen the state means nothing.
    if (!separator && (info.fState & MFS_DISABLED)) flags[flagCount++] = MenuFlagGrayed;
    if (flagCount == 0) flags[0] = '-';
    dump += std::to_string(depth) + "\t" + flags + "\t" + caption + "\n";
    if (info.hSubMenu) DumpMenu(info.hSubMenu, depth + 1, dump);
  }
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Whether the control's text, in its font, fits where the control draws it.
bool TextFits(HWND control) {
  const std::string type = ClassName(control);
  // Lists and views draw items, not their window text; a combo box shows its selection.
  for (const char* itemized : {"ComboBox", "ListBox", "SysListView32", "SysTreeView32", "SysHeader32", "msctls_"}) {
    if (type.rfind(itemized, 0) == 0) return true;
  }
  char text[1024] = {};
  const int length = GetWindowTextA(control, text, sizeof text);
  if (length <= 0) return true;
  RECT area{};
  GetClientRect(control, &area);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  UINT format = DT_CALCRECT | DT_EXPANDTABS;
  if (type == "Edit") {
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    format |= DT_NOPREFIX | ((style & ES_MULTILINE) ? 0 : DT_SINGLELINE);
  } else if (type == "Static") {
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  } else {
    format |= DT_SINGLELINE;
  }
  if (type == "Button" && ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX || (style & BS_TYPEMASK) == BS_CHECKBOX)) {
    // The box and the gap before the text, at the control's scale.
    using DpiForWindow = UINT WINAPI(HWND);
    auto* dpiOf = reinterpret_cast<DpiForWindow*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    area.left += MulDiv(16, dpiOf ? static_cast<int>(dpiOf(control)) : 96, 96);
  }
  HDC dc = GetDC(control);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  RECT extent{0, 0, 0, 0};
  DrawTextA(dc, text, length, &extent, format);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return extent.right - extent.left <= area.right - area.left && extent.bottom - extent.top <= area.bottom - area.top;
}

std::string TextsThatDoNotFit(HWND window) {
  std::string dump;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM into) -> BOOL {
        if (IsWindowVisible(child) && !TextFits(child)) {
          char text[256] = {};
          GetWindowTextA(child, text, sizeof text);
          *reinterpret_cast<std::string*>(into) += ClassName(child) + "\t" + text + "\n";
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&dump));
  return dump;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM removal, LPARAM data) {
  static const UINT request = RegisterWindowMessageA(MenuDumpMessage);
  static const UINT iconQuery = RegisterWindowMessageA(IconQueryMessage);
  static const UINT textFit = RegisterWindowMessageA(TextFitQueryMessage);
  auto* message = reinterpret_cast<MSG*>(data);
  if (code == HC_ACTION && removal == PM_REMOVE &&
      (message->message == request || message->message == iconQuery || message->message == textFit)) {
    std::string dump;
    if (message->message == textFit) {
      dump = TextsThatDoNotFit(message->hwnd);
    } else if (message->message == iconQuery) {
      dump = SendMessageA(message->hwnd, WM_GETICON, message->lParam, 0) ? "1" : "0";
    } else if (HMENU bar = GetMenu(message->hwnd)) {
      DumpMenu(bar, 0, dump);
    }
    COPYDATASTRUCT copy{MenuDumpTag, static_cast<DWORD>(dump.size()), dump.data()};
    SendMessageA(reinterpret_cast<HWND>(message->wParam), WM_COPYDATA, reinterpret_cast<WPARAM>(message->hwnd),
                 reinterpret_cast<LPARAM>(&copy));
    // The program itself has no use for the request.
    message->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, data);
}

extern "C" __declspec(dllexport) LRESULT CALLBACK StartupHoldHook(int code, WPARAM removal, LPARAM data) {
  auto* message = reinterpret_cast<MSG*>(data);
  if (code == HC_ACTION && message->message == WM_TIMER) {
    char className[64] = {};
    GetClassNameA(message->hwnd, className, sizeof className);
    if (std::string(className) == "TPIKTORAN_QUILO") {
      if (HANDLE hold = OpenEventA(SYNCHRONIZE, FALSE, StartupHoldEvent)) {
        if (WaitForSingleObject(hold, 0) == WAIT_TIMEOUT) message->message = WM_NULL;
        CloseHandle(hold);
      }
    }
  }
  return CallNextHookEx(nullptr, code, removal, data);
}
