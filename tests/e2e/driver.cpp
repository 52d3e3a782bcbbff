#include "driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <type_traits>

#include "menu_probe.h"

namespace e2e {

namespace {

constexpr const char* SettingsKey = "Software\\QUILO SOFT32\\PIKTORAN";

std::string QuoteArgument(const std::string& argument) {
  return argument.find_first_of(" \t") == std::string::npos ? argument : "\"" + argument + "\"";
}

using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)>;
using HookHandle = std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&UnhookWindowsHookEx)>;
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)>;

constexpr const char* MenuReplyClass = "PiktoranE2eMenuReply";
constexpr const char* MenuPopupClass = "#32768";

// Receives the probe's answer into the std::optional<std::string> in its user data.
LRESULT CALLBACK MenuReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  auto* answer = reinterpret_cast<std::optional<std::string>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (answer && copy->dwData == MenuDumpTag) answer->emplace(static_cast<const char*>(copy->lpData), copy->cbData);
  return TRUE;
}

WindowHandle CreateMenuReplyWindow(std::optional<std::string>& answer) {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MenuReplyProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = MenuReplyClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered) return WindowHandle(nullptr, DestroyWindow);
  WindowHandle window(CreateWindowExA(0, MenuReplyClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr),
                      DestroyWindow);
  if (window) SetWindowLongPtrA(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&answer));
  return window;
}

std::vector<MenuLine> ParseMenuDump(const std::string& dump) {
  std::vector<MenuLine> lines;
  std::istringstream in(dump);
  std::string depth, flags, caption;
  while (std::getline(in, depth, '\t') && std::getline(in, flags, '\t') && std::getline(in, caption)) {
    MenuLine line;
    line.depth = std::stoi(depth);
    line.caption = caption;
    line.separator = flags.find(MenuFlagSeparator) != std::string::npos;
    line.checked = flags.find(MenuFlagChecked) != std::string::npos;
    line.grayed = flags.find(MenuFlagGrayed) != std::string::npos;
    lines.push_back(line);
  }
  return lines;
}

std::vector<HWND> ShownMenuPopups(HWND mainWindow) {
  DWORD processId = 0;
  GetWindowThreadProcessId(mainWindow, &processId);
  std::vector<HWND> popups;
  for (HWND window : TopLevelWindows(processId)) {
    if (ClassOf(window) == MenuPopupClass && IsWindowVisible(window)) popups.push_back(window);
  }
  return popups;
}

// How deep the menu mode goes: each open pop-up is a level, the selection in the menu bar another.
int MenuDepth(HWND mainWindow) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const bool inMenuMode =
      GetGUIThreadInfo(GetWindowThreadProcessId(mainWindow, nullptr), &info) && (info.flags & GUI_INMENUMODE);
  return OpenMenuPopups(mainWindow) + (inMenuMode ? 1 : 0);
}

}  // namespace

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    // The test's own windows keep answering meanwhile: a broadcast the program sends (Program
    // Manager's DDE conversation starts with one) would otherwise wait for them.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  // WM_GETTEXT reaches the text of another process's controls too.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      nullptr);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

std::vector<HWND> TopLevelWindows(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) { other.handle_ = nullptr; }

Process::~Process() {
  if (!handle_) return;
  // A test that failed half-way must not leave its program running into the next test.
  if (Running()) Kill();
  CloseHandle(handle_);
}

bool Process::Running() const { return WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) const {
  if (!WaitUntil([this] { return WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0; }, timeoutMs)) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(handle_, &code);
  return code;
}

HWND Process::FindWindowOfClass(const char* className) const {
  for (HWND window : TopLevelWindows(id_)) {
    if (ClassOf(window) == className) return window;
  }
  return nullptr;
}

HWND Process::WaitForWindow(const char* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOfClass(className)) != nullptr; }, timeoutMs);
  return found;
}

void Process::Kill() const {
  TerminateProcess(handle_, 99);
  WaitForSingleObject(handle_, 5000);
}

namespace {

// The folder (ending in a separator) and everything in it.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(folder + name + "\\");
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

Program::Program() {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  static int counter = 0;
  // Another run's test process may have had the same process id, and a failed walk leaves its
  // folder behind.
  folder_ = std::string(temp) + "piktoran e2e " + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
  RemoveTree(folder_);
  CreateDirectoryA(folder_.c_str(), nullptr);
  if (!CopyFileA((OwnFolder() + "PIKTORAN.EXE").c_str(), (folder_ + "PIKTORAN.EXE").c_str(), FALSE)) {
    throw std::runtime_error("cannot copy PIKTORAN.EXE from " + OwnFolder() + " to " + folder_);
  }
  // The read-me and the help file lie beside the program, as in the download the installer
  // copies them from.
  for (const char* name : {"PIKTORAN.TXT", "PIKTORAN.HLP", "PIKTORAN.HTM"}) {
    CopyFileA((OwnFolder() + name).c_str(), (folder_ + name).c_str(), FALSE);
  }
  ResetSettings();
}

Program::~Program() { RemoveTree(folder_); }

Process Program::Start(const std::vector<std::string>& arguments) const { return Start(arguments, nullptr); }

Process Program::Start(const std::vector<std::string>& arguments, const std::function<void(DWORD)>& beforeRun) const {
  std::string commandLine = QuoteArgument(folder_ + "PIKTORAN.EXE");
  for (const std::string& argument : arguments) commandLine += " " + QuoteArgument(argument);
  return StartCommandLine(commandLine, folder_, beforeRun);
}

Process StartCommandLine(std::string commandLine, const std::string& folder, const std::function<void(DWORD)>& beforeRun) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const DWORD flags = beforeRun ? CREATE_SUSPENDED : 0;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, folder.c_str(),
                      &startup, &info)) {
    throw std::runtime_error("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
  }
  if (beforeRun) {
    beforeRun(info.dwThreadId);
    ResumeThread(info.hThread);
  }
  CloseHandle(info.hThread);
  return Process(info.hProcess, info.dwProcessId);
}

void Program::ResetSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey); }

void Program::SetSetting(const std::string& name, const std::string& value) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

std::optional<std::string> Program::Setting(const std::string& name) {
  char value[4096] = {};
  DWORD size = sizeof value - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(value);
}

std::map<std::string, std::string> Program::AllSettings() {
  std::map<std::string, std::string> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256] = {};
    DWORD nameSize = sizeof name;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    values[name] = Setting(name).value_or("<not a string>");
  }
  RegCloseKey(key);
  return values;
}

bool StartupCompleted(HWND mainWindow) {
  if (WindowText(mainWindow) != "ピクトラン ") return false;
  // The large title covers the window until the very end of the start-up.
  for (HWND child : Descendants(mainWindow)) {
    if (ClassOf(child) == "TPanel" && WindowText(child) == "ピクトラン" && IsWindowVisible(child)) return false;
  }
  return true;
}

HWND StartedMainWindow(const Process& process) {
  HWND window = process.WaitForWindow(MainClass);
  EXPECT_NE(window, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return StartupCompleted(window); })) << WindowText(window);
  return window;
}

void CloseAndWait(const Process& process, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(), 0u);
}

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

std::string CentredDefaultBounds() {
  return std::to_string((ScreenWidth() - 445) / 2) + "," + std::to_string((ScreenHeight() - 300) / 2) + ",445,300";
}

std::string WholeScreenCaptureText() {
  return "取り込みサイズ　左上 0, 0 サイズ " + std::to_string(ScreenWidth()) + ", " + std::to_string(ScreenHeight());
}

namespace {

// menu_probe.dll's answer to a request posted to the window, read inside its process.
std::optional<std::string> AskProbe(HWND window, const char* requestName, LPARAM detail, DWORD timeoutMs) {
  ModuleHandle probe(LoadLibraryA((OwnFolder() + "menu_probe.dll").c_str()), FreeLibrary);
  if (!probe) return std::nullopt;
  const auto hookProc = reinterpret_cast<HOOKPROC>(GetProcAddress(probe.get(), MenuProbeHookName));
  std::optional<std::string> answer;
  const WindowHandle reply = CreateMenuReplyWindow(answer);
  if (!hookProc || !reply) return std::nullopt;
  // Wine loads a hook library into the process of the hooked thread.
  const HookHandle hook(
      SetWindowsHookExA(WH_GETMESSAGE, hookProc, probe.get(), GetWindowThreadProcessId(window, nullptr)),
      UnhookWindowsHookEx);
  if (!hook) return std::nullopt;
  PostMessageA(window, RegisterWindowMessageA(requestName), reinterpret_cast<WPARAM>(reply.get()), detail);
  WaitUntil(
      [&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        return answer.has_value();
      },
      timeoutMs);
  return answer;
}

}  // namespace

std::vector<MenuLine> ReadMenuBar(HWND mainWindow, DWORD timeoutMs) {
  const std::optional<std::string> answer = AskProbe(mainWindow, MenuDumpMessage, 0, timeoutMs);
  return answer ? ParseMenuDump(*answer) : std::vector<MenuLine>{};
}

std::vector<TextRoom> MeasureTexts(HWND top, DWORD timeoutMs) {
  std::vector<TextRoom> rooms;
  const std::optional<std::string> answer = AskProbe(top, TextRoomQueryMessage, 0, timeoutMs);
  if (!answer) return rooms;
  std::istringstream records(*answer);
  for (std::string record; std::getline(records, record, '\0');) {
    std::istringstream fields(record);
    std::string handle;
    TextRoom room;
    if (!std::getline(fields, handle, '\t') || !std::getline(fields, room.className, '\t') ||
        !(fields >> room.needed.cx >> room.needed.cy >> room.room.cx >> room.room.cy) || fields.get() != '\t') {
      continue;
    }
    room.control = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::stoull(handle, nullptr, 16)));
    std::getline(fields, room.text, '\0');
    rooms.push_back(std::move(room));
  }
  return rooms;
}

bool HasIcon(HWND window, WPARAM kind) { return AskProbe(window, IconQueryMessage, static_cast<LPARAM>(kind), 5000) == "1"; }

int OpenMenuPopups(HWND mainWindow) { return static_cast<int>(ShownMenuPopups(mainWindow).size()); }

bool MenuPopupDrawn(HWND mainWindow) {
  const COLORREF selection[] = {GetSysColor(COLOR_MENUHILIGHT), GetSysColor(COLOR_HIGHLIGHT)};
  const auto release = [](HDC dc) { ReleaseDC(nullptr, dc); };
  const std::unique_ptr<std::remove_pointer_t<HDC>, decltype(release)> screen(GetDC(nullptr), release);
  for (HWND popup : ShownMenuPopups(mainWindow)) {
    const RECT r = WindowRect(popup);
    // The selection bar spans the pop-up's width; one column down its middle meets it.
    for (int y = r.top; y < r.bottom; y += 2) {
      const COLORREF pixel = GetPixel(screen.get(), (r.left + r.right) / 2, y);
      if (pixel == selection[0] || pixel == selection[1]) return true;
    }
  }
  return false;
}

bool OpenBarMenu(HWND mainWindow, char mnemonic) {
  // A menu ends when its window is activated after it opened: as the user comes back to the
  // window first, it is brought to the front (again, should another window of the test take the
  // front meanwhile), and the menu opened once it is the active window with the keyboard in it and
  // has taken that in.
  const bool active = WaitUntil([&] {
    GUITHREADINFO info{sizeof info};
    if (GetForegroundWindow() == mainWindow &&
        GetGUIThreadInfo(GetWindowThreadProcessId(mainWindow, nullptr), &info) && info.hwndActive == mainWindow &&
        info.hwndFocus) {
      return true;
    }
    SetForegroundWindow(mainWindow);
    return false;
  });
  if (!active || !WaitForMessageLoop(mainWindow)) return false;
  PostMessageA(mainWindow, WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(mnemonic));
  return WaitUntil([&] { return OpenMenuPopups(mainWindow) > 0; });
}

bool CloseMenus(HWND mainWindow) {
  // Escape closes one level at a time: the pop-up first, then the selection in the bar.
  for (int depth = MenuDepth(mainWindow); depth > 0; depth = MenuDepth(mainWindow)) {
    PostMessageA(mainWindow, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(mainWindow, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    if (!WaitUntil([&] { return MenuDepth(mainWindow) < depth; }, 2000)) return false;
  }
  return true;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

int PixelsOfColour(const RECT& area, COLORREF colour) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return 0;
  // One copy of the area rather than a round trip per pixel.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  int count = 0;
  const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int i = 0; i < width * height; ++i) count += (pixels[i] & 0xFFFFFF) == wanted;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return count;
}

void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[2] = {};
  for (INPUT& event : input) {
    event.type = INPUT_MOUSE;
    event.mi.dx = MulDiv(x, 65535, width - 1);
    event.mi.dy = MulDiv(y, 65535, height - 1);
  }
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
  SendInput(2, input, sizeof(INPUT));
}

void PressKey(WORD virtualKey, std::initializer_list<WORD> held) {
  std::vector<INPUT> input;
  const auto event = [&](WORD key, DWORD flags) {
    INPUT one{};
    one.type = INPUT_KEYBOARD;
    one.ki.wVk = key;
    one.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    one.ki.dwFlags = flags;
    input.push_back(one);
  };
  for (const WORD key : held) event(key, 0);
  event(virtualKey, 0);
  event(virtualKey, KEYEVENTF_KEYUP);
  for (const WORD key : held) event(key, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

void TypeText(const std::string& asciiText) {
  for (const char c : asciiText) {
    INPUT input[2] = {};
    for (INPUT& event : input) {
      event.type = INPUT_KEYBOARD;
      event.ki.wScan = static_cast<WORD>(static_cast<unsigned char>(c));
      event.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
}

bool PressKeysOnScreen(const std::string& keys) {
  // Wine runs a Linux program named by its path on the Z: drive, with the prefix's DISPLAY.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "Z:\\usr\\bin\\xdotool key --delay 40 " + keys;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  return true;
}

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info{sizeof info};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool WaitForMessageLoop(HWND window) {
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr) != 0;
}

HWND ShownWindow(const Process& process, const char* className) {
  HWND window = nullptr;
  const bool shown = WaitUntil(
      [&] { return (window = process.FindWindowOfClass(className)) && IsWindowVisible(window) && ButtonsPainted(window); });
  return shown ? window : nullptr;
}

bool ButtonsPainted(HWND window) {
  if (!IsWindowVisible(window)) return false;
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) != "TColorBtn") continue;
    const RECT r = WindowRect(child);
    if (ScreenPixel(r.left + 3, (r.top + r.bottom) / 2) == RGB(0, 0, 0)) return false;
  }
  return true;
}

bool ControlsDrawn(HWND window) {
  if (!IsWindowVisible(window)) return false;
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (HWND child : Descendants(window)) {
    RECT shown{};
    const RECT r = WindowRect(child);
    if (!IsWindowVisible(child) || !IntersectRect(&shown, &r, &screen)) continue;
    if (PixelsOfColour(shown, RGB(0, 0, 0)) == (shown.right - shown.left) * (shown.bottom - shown.top)) return false;
  }
  return true;
}

HWND FindMessageBox(const Process& process, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = process.FindWindowOfClass(MessageBoxClass);
        return found && ButtonsPainted(found);
      },
      timeoutMs);
  return found;
}

std::string MessageBoxText(HWND box) {
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) != "Edit") continue;
    std::string text = WindowText(child);
    std::erase(text, '\r');
    return text;
  }
  return std::string();
}

HWND FindButton(HWND box, const std::string& caption) {
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) == "TColorBtn" && WindowText(child) == caption) return child;
  }
  return nullptr;
}

bool PressButton(HWND box, const std::string& caption) {
  HWND button = FindButton(box, caption);
  return button && PostMessageA(button, BM_CLICK, 0, 0);
}

void PressOk(HWND box) { PressButton(box, "ＯＫ"); }

HookLibrary::HookLibrary(const char* fileName, const char* hookName)
    : library_(LoadLibraryA((OwnFolder() + fileName).c_str())),
      hook_(library_ ? reinterpret_cast<HOOKPROC>(GetProcAddress(library_, hookName)) : nullptr) {}

HookLibrary::~HookLibrary() {
  for (HHOOK hook : hooks_) UnhookWindowsHookEx(hook);
  if (library_) FreeLibrary(library_);
}

std::function<void(DWORD)> HookLibrary::Hooker() {
  return [this](DWORD thread) {
    HHOOK hook = hook_ ? SetWindowsHookExA(WH_GETMESSAGE, hook_, library_, thread) : nullptr;
    EXPECT_NE(hook, nullptr) << "the hook library cannot be set";
    if (hook) hooks_.push_back(hook);
  };
}

Process HookLibrary::Start(const Program& program, const std::vector<std::string>& arguments) {
  return program.Start(arguments, Hooker());
}

Process HookLibrary::Start(const std::string& commandLine, const std::string& folder) {
  return StartCommandLine(commandLine, folder, Hooker());
}

StartupHold::StartupHold()
    : event_(CreateEventA(nullptr, TRUE, FALSE, StartupHoldEvent)), probe_("menu_probe.dll", StartupHoldHookName) {}

StartupHold::~StartupHold() {
  Release();
  if (event_) CloseHandle(event_);
}

Process StartupHold::Start(const Program& program, const std::vector<std::string>& arguments) {
  return probe_.Start(program, arguments);
}

void StartupHold::Release() const {
  if (event_) SetEvent(event_);
}

}  // namespace e2e
