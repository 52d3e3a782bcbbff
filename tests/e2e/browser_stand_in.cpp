// Stands in for the user's browser, which the help page opens in: a window of class
// E2eBrowserStandIn whose title is the address it was given.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  std::string address = commandLine;
  if (address.size() >= 2 && address.front() == '"' && address.back() == '"') address = address.substr(1, address.size() - 2);
  WNDCLASSA wc{};
  wc.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
  };
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "E2eBrowserStandIn";
  RegisterClassA(&wc);
  CreateWindowExA(0, wc.lpszClassName, address.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600, 200, nullptr,
                  nullptr, instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
