#include "support/screenshot.h"

#include <windows.h>

#include <fstream>

std::string ScreenshotFolder() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string folder(self);
  folder = folder.substr(0, folder.find_last_of('\\') + 1) + "screenshots\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  char lane[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("PIKTORAN_SCREENSHOTS", lane, sizeof lane);
  if (length > 0 && length < sizeof lane) {
    folder += std::string(lane) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  return folder;
}

bool Screenshot(const std::string& name) {
  const std::string folder = ScreenshotFolder();

  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
  const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  const BITMAPFILEHEADER file{0x4D42, headers + imageSize, 0, 0, headers};
  std::ofstream out(folder + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), imageSize);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}
