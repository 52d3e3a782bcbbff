// Stands in for the paint program that 画像加工ソフト起動 starts: a window of class MSPaintApp
// (or of the class its argument names, for a program that is not the paint program) with one
// child, which takes keys. Its title tells the test what came: the keys in order, the size of
// the picture file it was started with, and of the bitmap the clipboard held at its start; the
// child shows the file's picture.
#include <windows.h>

#include <string>

namespace {

std::string keys;
std::string opened = "none";
std::string clipboard = "none";
HBITMAP picture = nullptr;
HWND frame = nullptr;

void ShowState() { SetWindowTextA(frame, ("keys:" + keys + " opened:" + opened + " clipboard:" + clipboard).c_str()); }

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
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
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
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  std::string argument = commandLine;
  std::string className = "MSPaintApp";
  if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"') {
    const std::string file = argument.substr(1, argument.size() - 2);
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
