// Test-only hook library: runs inside PIKTORAN's process, reads the menu bar (the icons, the room
// its controls give their texts) of the window that receives MenuDumpMessage (IconQueryMessage,
// TextRoomQueryMessage) and sends it to the reply window named in wParam.
#include <windows.h>

#include <cstdio>
#include <optional>
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

// What a control's text needs and the room the control gives it, as the control draws it.
struct TextRoom {
  SIZE needed;
  SIZE room;
};

SIZE Extent(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

// The text laid out by DrawText in `width` (wrapping where `flags` asks for it).
SIZE DrawnExtent(HDC dc, const std::string& text, int width, UINT flags) {
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
  return Extent(r);
}

// Whatever the control's class, the room is its client area less the frame or glyph it draws
// there; the text is laid out with the flags the control draws it with.
std::optional<TextRoom> MeasureText(HWND control, HDC dc, const std::string& className, const std::string& text) {
  RECT client;
  GetClientRect(control, &client);
  const SIZE whole = Extent(client);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const SIZE line = [&] {
    SIZE s{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return s;
  }();
  if (className == "Static") {
    const LONG type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) {
      return std::nullopt;
    }
    const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    const UINT flags = DT_EXPANDTABS | (wraps ? DT_WORDBREAK : 0) | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    return TextRoom{DrawnExtent(dc, text, whole.cx, flags), whole};
  }
  if (className == "Button") {
    const LONG type = style & BS_TYPEMASK;
    const UINT flags = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    if (type == BS_OWNERDRAW || (style & (BS_ICON | BS_BITMAP))) return std::nullopt;
    if (type == BS_GROUPBOX) return TextRoom{DrawnExtent(dc, text, whole.cx - 14, DT_SINGLELINE), {whole.cx - 14, whole.cy}};
    const bool pushButton = type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || (style & BS_PUSHLIKE);
    if (pushButton) {
      const SIZE room{whole.cx - 4, whole.cy - 4};  // the raised frame
      return TextRoom{DrawnExtent(dc, text, room.cx, flags), room};
    }
    // Check box or radio button: the glyph and half a digit's width of gap come before the text.
    INT digit = 0;
    GetCharWidth32A(dc, '0', '0', &digit);
    const SIZE room{whole.cx - GetSystemMetrics(SM_CXMENUCHECK) - digit / 2 - 1, whole.cy};
    return TextRoom{DrawnExtent(dc, text, room.cx, flags), room};
  }
  if (className == "Edit") {
    RECT format{};
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const SIZE room = Extent(format);
    if (style & ES_MULTILINE) return TextRoom{DrawnExtent(dc, text, room.cx, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX), room};
    return TextRoom{{line.cx, metrics.tmHeight}, room};
  }
  if (className == "ComboBox") {
    // A list drawn by its owner shows what the owner draws; a combo box with an edit field shows
    // its text there, which is measured as an edit.
    const bool ownerDrawn = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS);
    if (ownerDrawn || (style & 3) != CBS_DROPDOWNLIST) return std::nullopt;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(control, &info)) return std::nullopt;
    return TextRoom{{line.cx, metrics.tmHeight}, Extent(info.rcItem)};
  }
  if (className == "TPanel" || className == "TColorBtn") {
    // One line, centred or left-aligned inside a frame of up to two pixels.
    const SIZE room{whole.cx - 4, whole.cy - 4};
    return TextRoom{DrawnExtent(dc, text, room.cx, DT_SINGLELINE), room};
  }
  return std::nullopt;
}

// One record of the dump for a shown control with a measurable text.
BOOL CALLBACK AddTextRoom(HWND control, LPARAM dumpAddress) {
  if (!IsWindowVisible(control)) return TRUE;
  char className[64] = {};
  GetClassNameA(control, className, sizeof className);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  if (text.empty()) return TRUE;
  HDC dc = GetDC(control);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  const std::optional<TextRoom> measured = MeasureText(control, dc, className, text);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  if (!measured) return TRUE;
  char fields[160];
  std::snprintf(fields, sizeof fields, "%llx\t%s\t%ld\t%ld\t%ld\t%ld\t",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(control)), className, measured->needed.cx,
                measured->needed.cy, measured->room.cx, measured->room.cy);
  std::string& dump = *reinterpret_cast<std::string*>(dumpAddress);
  dump += fields + text;
  dump += '\0';
  return TRUE;
}

std::string TextRooms(HWND top) {
  std::string dump;
  EnumChildWindows(top, AddTextRoom, reinterpret_cast<LPARAM>(&dump));
  return dump;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM removal, LPARAM data) {
  static const UINT request = RegisterWindowMessageA(MenuDumpMessage);
  static const UINT iconQuery = RegisterWindowMessageA(IconQueryMessage);
  static const UINT textRoomQuery = RegisterWindowMessageA(TextRoomQueryMessage);
  auto* message = reinterpret_cast<MSG*>(data);
  if (code == HC_ACTION && removal == PM_REMOVE &&
      (message->message == request || message->message == iconQuery || message->message == textRoomQuery)) {
    std::string dump;
    if (message->message == textRoomQuery) {
      dump = TextRooms(message->hwnd);
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
