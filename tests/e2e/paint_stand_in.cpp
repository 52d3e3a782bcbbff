// Stands in for the paint program that 画像加工ソフト起動 starts: a window of class MSPaintApp with
// one child, which takes the keys the program posts. Its title tells the test what came: the keys
// in order, and the size of the bitmap the clipboard held when "P" (paste) arrived, which the
// child then shows. Started with a class name, it plays another program under that class.
#include <windows.h>

#include <string>

namespace {

std::string keys;
std::string pasted = "none";
HBITMAP picture = nullptr;
HWND frame = nullptr;

void ShowState() { SetWindowTextA(frame, ("keys:" + keys + " pasted:" + pasted).c_str()); }

void Paste(HWND view) {
  if (!OpenClipboard(view)) return;
  if (HANDLE bitmap = GetClipboardData(CF_BITMAP)) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    pasted = std::to_string(info.bmWidth) + "x" + std::to_string(info.bmHeight);
    if (picture) DeleteObject(picture);
    picture = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
  }
  CloseClipboard();
  InvalidateRect(view, nullptr, TRUE);
}

LRESULT CALLBACK ViewProc(HWND view, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
      keys += " " + std::string(1, static_cast<char>(wParam));
      if (message == WM_KEYDOWN && wParam == 'P') Paste(view);
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
  const char* className = *commandLine ? commandLine : "MSPaintApp";
  WNDCLASSA frameClass{};
  frameClass.lpfnWndProc = FrameProc;
  frameClass.hInstance = instance;
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  frameClass.lpszClassName = className;
  RegisterClassA(&frameClass);
  WNDCLASSA viewClass = frameClass;
  viewClass.lpfnWndProc = ViewProc;
  viewClass.lpszClassName = "PaintStandInView";
  RegisterClassA(&viewClass);
  frame = CreateWindowA(className, "", WS_OVERLAPPEDWINDOW, 500, 300, 400, 300, nullptr, nullptr, instance, nullptr);
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
