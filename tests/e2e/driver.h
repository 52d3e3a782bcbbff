#pragma once
// Drives PIKTORAN.EXE from the outside, as a user would: starts it in a program folder of its
// own, finds its windows by class, reads and writes its settings key, closes its windows.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Times are milliseconds (<chrono> cannot be compiled with the Shift-JIS execution character set).
inline constexpr const char* MainClass = "TPIKTORAN_QUILO";
inline constexpr const char* SetupClass = "TPIKTO_SETUP";
// The screen the tests run on: 1024 x 768 under Wine 8, 1920 x 1080 in the Wine 10 lane.
int ScreenWidth();
int ScreenHeight();

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

struct WindowInfo {
  HWND window;
  std::string className;
  std::string text;
  RECT rect;
  bool visible;
};

std::string WindowText(HWND window);
// The colour shown at a point of the screen.
COLORREF ScreenPixel(int x, int y);
inline COLORREF ScreenPixel(POINT at) { return ScreenPixel(at.x, at.y); }
std::string ClassOf(HWND window);
RECT WindowRect(HWND window);
// Visible or not, the top-level windows of a process.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The child windows of a window, all depths.
std::vector<HWND> Descendants(HWND window);

// How many pixels of a screen rectangle show exactly this colour.
int PixelsOfColour(const RECT& area, COLORREF colour);

// The keyboard as the user types on it: every key goes to whatever window has the focus.
// A left click on the screen, as the mouse gives it. Both button events carry the point, so a
// pointer move still on its way from an earlier click cannot shift them.
void ClickAt(int x, int y);
// The key pressed and let go while the keys `held` (Shift, Ctrl) are down.
void PressKey(WORD virtualKey, std::initializer_list<WORD> held = {});
void TypeText(const std::string& asciiText);
// Keys pressed on the X screen the prefix runs on, by xdotool ("ctrl+shift+F12"): they come to
// Wine as the keyboard's own, so the system's hot keys see them. True once xdotool has started;
// Wine hands back no handle of a Linux program, so the caller waits for what the keys do.
bool PressKeysOnScreen(const std::string& keys);
// The window that holds the keyboard focus in the thread of `window`; null when none does.
HWND FocusedWindow(HWND window);
// Returns once the thread of `window` is back in its message loop (a message sent to the window is
// answered only there): what it was doing when the call came, such as handling a key, is done.
bool WaitForMessageLoop(HWND window);

// A running copy of the program.
class Process {
 public:
  Process(HANDLE process, DWORD id) : handle_(process), id_(id) {}
  Process(Process&& other) noexcept;
  Process(const Process&) = delete;
  ~Process();

  DWORD Id() const { return id_; }
  bool Running() const;
  // The exit code, or nothing when it is still running after the timeout.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 10000) const;
  // A top-level window of this process with the class name (visible or not).
  HWND FindWindowOfClass(const char* className) const;
  HWND WaitForWindow(const char* className, DWORD timeoutMs = 10000) const;
  void Kill() const;

 private:
  HANDLE handle_;
  DWORD id_;
};

// The folder of this test program, PIKTORAN.EXE and the test's helpers (with trailing separator).
std::string OwnFolder();

// The program copied into a folder of its own, with the settings key emptied.
class Program {
 public:
  Program();
  ~Program();

  const std::string& Folder() const { return folder_; }  // with trailing separator
  Process Start(const std::vector<std::string>& arguments = {}) const;
  // Starts it with its main thread suspended until `beforeRun` has seen the thread's id.
  Process Start(const std::vector<std::string>& arguments, const std::function<void(DWORD)>& beforeRun) const;

  static void ResetSettings();
  static void SetSetting(const std::string& name, const std::string& value);
  static std::optional<std::string> Setting(const std::string& name);
  static std::map<std::string, std::string> AllSettings();

 private:
  std::string folder_;
};

// Starts a command line as the system would, in the folder; see Program::Start for `beforeRun`.
Process StartCommandLine(std::string commandLine, const std::string& folder,
                         const std::function<void(DWORD)>& beforeRun = nullptr);

// Starts copies with a test-only hook library's message hook set on their main thread before it
// runs, so that the library is in the program from its first message on.
class HookLibrary {
 public:
  HookLibrary(const char* fileName, const char* hookName);
  HookLibrary(const HookLibrary&) = delete;
  HookLibrary& operator=(const HookLibrary&) = delete;
  ~HookLibrary();

  Process Start(const Program& program, const std::vector<std::string>& arguments = {});
  // A command line started as the system would, in the folder (see StartCommandLine).
  Process Start(const std::string& commandLine, const std::string& folder);

 private:
  std::function<void(DWORD)> Hooker();

  HMODULE library_;
  HOOKPROC hook_;
  std::vector<HHOOK> hooks_;
};

// Holds the deferred start-up of the copies it starts until Release (or its end), through
// menu_probe.dll's start-up hold hook.
class StartupHold {
 public:
  StartupHold();
  StartupHold(const StartupHold&) = delete;
  StartupHold& operator=(const StartupHold&) = delete;
  ~StartupHold();

  Process Start(const Program& program, const std::vector<std::string>& arguments = {});
  void Release() const;

 private:
  HANDLE event_;
  HookLibrary probe_;
};

// The main window has finished its deferred start-up: it carries the title with its trailing
// blank and no longer shows the large title.
bool StartupCompleted(HWND mainWindow);
// The main window of a started copy, once its start-up has completed (a failed expectation
// otherwise).
HWND StartedMainWindow(const Process& process);
void CloseAndWait(const Process& process, HWND window);
// "x,y,w,h" of the main window at its default size, centred on the screen.
std::string CentredDefaultBounds();
// The size bar after a capture of the whole screen.
std::string WholeScreenCaptureText();

// One entry of a menu bar as the program holds it; depth 0 is the bar itself.
struct MenuLine {
  int depth = 0;
  std::string caption;
  bool separator = false;
  bool checked = false;
  bool grayed = false;
  bool operator==(const MenuLine&) const = default;
};
// Every entry of the window's menu bar, depth first, read inside the program's process by
// menu_probe.dll; empty when no answer came in time.
std::vector<MenuLine> ReadMenuBar(HWND mainWindow, DWORD timeoutMs = 5000);
// The window answers WM_GETICON for this kind (ICON_BIG, ICON_SMALL) with an icon; asked inside
// its process.
bool HasIcon(HWND window, WPARAM kind);
// A shown control's text as the program draws it: what it needs in the control's own font and the
// room the control gives it (its client area less frame or glyph), measured inside the program's
// process by menu_probe.dll; empty when no answer came in time.
struct TextRoom {
  HWND control = nullptr;
  std::string className;
  std::string text;
  SIZE needed{};
  SIZE room{};
};
std::vector<TextRoom> MeasureTexts(HWND top, DWORD timeoutMs = 5000);
// Opens the menu-bar menu with this mnemonic as Alt+letter does; true once its pop-up shows.
bool OpenBarMenu(HWND mainWindow, char mnemonic);
// Leaves the menu mode with Escape; true once no menu is open any more.
bool CloseMenus(HWND mainWindow);
// How many of the window's menu pop-ups show (a submenu adds one).
int OpenMenuPopups(HWND mainWindow);
// A shown pop-up has been drawn on the screen: its selected entry's bar is there (a menu opened
// from the keyboard selects its first entry).
bool MenuPopupDrawn(HWND mainWindow);

// The program's message box TMKBox: finding it, its text (line ends as "\n"), its buttons
// (TColorBtn, found by caption: "ＯＫ", "はい", "いいえ", "一時停止", "ｶｳﾝﾄ再開").
inline constexpr const char* MessageBoxClass = "TMKBox";
HWND FindMessageBox(const Process& process, DWORD timeoutMs = 10000);
// The window shows and its coloured push buttons (TColorBtn) have been painted on the screen:
// a window shown but not yet painted is black where they will be.
bool ButtonsPainted(HWND window);
// The process's window of the class once it shows with its coloured buttons painted; null when
// none does.
HWND ShownWindow(const Process& process, const char* className);
// The window shows and every control of it has been drawn: a control shown but not yet drawn is
// black all over.
bool ControlsDrawn(HWND window);
std::string MessageBoxText(HWND box);
HWND FindButton(HWND box, const std::string& caption);
bool PressButton(HWND box, const std::string& caption);
void PressOk(HWND box);

}  // namespace e2e
