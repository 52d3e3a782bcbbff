// Stands in for the paint program that 画像加工ソフト起動 starts: a window of class MSPaintApp
// (or of the class its argument names, for a program that is not the paint program) with one
// child, which takes keys. Its title tells the test what came: the keys in order, the size of
// the picture file it was started with, and of the bitmap the clipboard held at its start; the
// child shows the file's picture. Every start leaves its command line in a file beside the
// program ("<program>.started"), so a test sees which copy ran. Ctrl+S saves over the file it
// was started with, as a user saving in the paint program does: a 7 × 5 green picture.
#include <windows.h>

#include <string>

namespace {

std::string keys;
std::string file;
std::string opened = "none";
std::string saved;
std::string clipboard = "none";
HBITMAP picture = nullptr;
HWND frame = nullptr;

void ShowState() {
  SetWindowTextA(frame, ("keys:" + keys + " opened:" + opened + " clipboard:" + clipboard + saved).c_str());
}

void AppendToFile(const std::string& name, const std::string& text) {
  HANDLE out =
      CreateFileA(name.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(out);
}

// A 24-bit BMP, 7 × 5 pixels of green, written over the file as the paint program saves.
void SaveOverFile() {
  constexpr int Width = 7, Height = 5, RowBytes = 24;
  BITMAPFILEHEADER header{};
  BITMAPINFOHEADER info{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + RowBytes * Height;
  info.biSize = sizeof info;
  info.biWidth = Width;
  info.biHeight = Height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row;
  for (int x = 0; x < Width; ++x) row += std::string("\x00\xC0\x00", 3);
  row.resize(RowBytes, '\0');
  for (int y = 0; y < Height; ++y) bytes += row;
  HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  if (WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size()) {
    saved = " saved:7x5";
  }
  CloseHandle(out);
}

std::string SizeOf(HANDLE bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight);
}

void ReadClipboard() {
  if (!OpenClipboard(nullptr)) return;
  if (HANDLE bitmap = GetClipboardData(CF_BITMAP)) clipboard = SizeOf(bitmap);
  CloseClipboard();
}

LRESULT CALLBACK ViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_CONTROL) return 0;
      if (wParam == 'S' && GetKeyState(VK_CONTROL) < 0) {
        if (!file.empty()) SaveOverFile();
        ShowState();
        return 0;
      }
      [[fallthrough]];
    case WM_SYSKEYDOWN:
      keys += " " + std::string(1, static_cast<char>(wParam));
      ShowState();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(view, &paint);
      if (picture) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture);
        BitBlt(dc, 0, 0, 2000, 2000, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
      }
      EndPaint(view, &paint);
      return 0;
    }
  }
  return DefWindowProcA(view, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  // The keys the user types go to the picture, as in the paint program.
  if (message == WM_SETFOCUS) SetFocus(GetTopWindow(window));
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  std::string argument = commandLine;
  std::string className = "MSPaintApp";
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  AppendToFile(std::string(self) + ".started", argument + "\r\n");
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
    file = argument.substr(1, argument.size() - 2);
    picture = static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    opened = picture ? SizeOf(picture) : "unreadable";
  } else if (!argument.empty()) {
    className = argument;
  }
  ReadClipboard();
  WNDCLASSA frameClass{};
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = instance;
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  frameClass.lpszClassName = className.c_str();
  RegisterClassA(&frameClass);
  WNDCLASSA viewClass = frameClass;
  viewClass.lpfnWndProc = ViewProc;
  viewClass.lpszClassName = "PaintStandInView";
  RegisterClassA(&viewClass);
  frame = CreateWindowA(className.c_str(), "", WS_OVERLAPPEDWINDOW, 500, 300, 400, 300, nullptr, nullptr, instance, nullptr);
  CreateWindowA("PaintStandInView", "", WS_CHILD | WS_VISIBLE, 0, 0, 380, 250, frame, nullptr, instance, nullptr);
  ShowState();
  ShowWindow(frame, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (picture) DeleteObject(picture);
  return 0;
}
