#pragma once
// The exchange between the e2e program and menu_probe.dll, which Wine loads into PIKTORAN's
// process as a message hook: menus (and fonts) of another process cannot be read from outside.
//
// The e2e program posts MenuDumpMessage to the main window with its reply window in wParam;
// the hook answers with WM_COPYDATA (dwData = MenuDumpTag) holding one line per menu entry:
//   depth TAB flags TAB caption LF
// depth 0 is the menu bar; flags is "-" or any of MenuFlag*; captions are as the menu holds them.

inline constexpr const char* MenuDumpMessage = "PIKTORAN_E2E_MENU_DUMP";
inline constexpr unsigned long MenuDumpTag = 0x554E454D;  // "MENU"
inline constexpr char MenuFlagSeparator = 'S';
inline constexpr char MenuFlagChecked = 'C';
inline constexpr char MenuFlagGrayed = 'G';
// The same exchange for IconQueryMessage, with ICON_BIG or ICON_SMALL in lParam: the answer is 1
// when the window's WM_GETICON gives that icon, else 0 (Wine leaves another process's WM_GETICON
// unanswered).
inline constexpr const char* IconQueryMessage = "PIKTORAN_E2E_ICON_QUERY";
// The same exchange for TextRoomQueryMessage: for every shown descendant of the window that shows
// a text (static, button, check box, edit, combo box, and the program's panels and coloured
// buttons), what the text needs in the control's own font and what room the control gives it,
// both measured inside the program's process (its fonts cannot be used from outside):
//   handle TAB class TAB needed width TAB needed height TAB room width TAB room height TAB text NUL
// handle in hexadecimal; the text is the last field and may hold tabs and line ends.
inline constexpr const char* TextRoomQueryMessage = "PIKTORAN_E2E_TEXT_ROOM_QUERY";
// Name of the hook procedure the library exports.
inline constexpr const char* MenuProbeHookName = "MenuProbeHook";

// The start-up hold: while an event of this name exists and is not set, the hook swallows the
// timer messages of PIKTORAN's main window, so its deferred start-up waits (the large title
// stays on, the menus stay disabled) until the test sets the event.
inline constexpr const char* StartupHoldEvent = "PIKTORAN_E2E_STARTUP_HOLD";
inline constexpr const char* StartupHoldHookName = "StartupHoldHook";
