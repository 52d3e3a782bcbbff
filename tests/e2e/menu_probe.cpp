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

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM removal, LPARAM data) {
  static const UINT request = RegisterWindowMessageA(MenuDumpMessage);
  static const UINT iconQuery = RegisterWindowMessageA(IconQueryMessage);
  auto* message = reinterpret_cast<MSG*>(data);
  if (code == HC_ACTION && removal == PM_REMOVE && (message->message == request || message->message == iconQuery)) {
    std::string dump;
    if (message->message == iconQuery) {
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
