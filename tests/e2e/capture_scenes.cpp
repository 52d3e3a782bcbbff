#include "capture_scenes.h"

#include <gtest/gtest.h>

#include "window_parts.h"

namespace e2e {

bool ShowOnScreen(HWND window, const std::function<bool()>& shown) {
  ULONGLONG nextPaint = 0;
  return PumpUntil([&] {
    if (shown()) return true;
    if (GetTickCount64() >= nextPaint) {
      SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      nextPaint = GetTickCount64() + 500;
    }
    return false;
  });
}

POINT PaintedPictureOrigin(HWND main, POINT inPicture, COLORREF expected) {
  POINT origin{0, 0};
  ClientToScreen(PictureBox(main), &origin);
  EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(origin.x + inPicture.x, origin.y + inPicture.y) == expected; }));
  return origin;
}

namespace {

LRESULT CALLBACK BandsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto bandWidth = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bandWidth));
  }
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  const auto bandWidth = static_cast<int>(GetWindowLongPtrA(window, GWLP_USERDATA));
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  for (std::size_t band = 0; band < BandColours.size(); ++band) {
    const int left = static_cast<int>(band) * bandWidth;
    const RECT r{left, 0, left + bandWidth, client.bottom};
    HBRUSH brush = CreateSolidBrush(BandColours[band]);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

BandsWindow::BandsWindow(const RECT& where, Layer layer, int bandWidth,
                         COLORREF (*pixel)(int, int)) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BandsProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "E2eColourBands";
  RegisterClassA(&wc);
  window_ = CreateWindowExA(layer == Layer::TopMost ? WS_EX_TOPMOST | WS_EX_TOOLWINDOW : 0, wc.lpszClassName,
                            "bands", WS_POPUP | WS_VISIBLE, where.left, where.top, where.right - where.left,
                            where.bottom - where.top, nullptr, nullptr, wc.hInstance,
                            reinterpret_cast<void*>(static_cast<INT_PTR>(bandWidth)));
  EXPECT_TRUE(ShowOnScreen(window_, [&] {
    return pixel(where.left + bandWidth / 2, where.top + 10) == BandColours[0] &&
           pixel(where.left + bandWidth + bandWidth / 2, where.bottom - 10) == BandColours[1];
  }));
}

HWND WaitForMainWindowPumping(const Process& process) {
  HWND main = nullptr;
  PumpUntil([&] {
    main = process.FindWindowOfClass(MainClass);
    return main && StartupCompleted(main);
  });
  return main;
}

std::string CaptureSizeText(const RECT& r) {
  return "取り込みサイズ　左上 " + std::to_string(r.left) + ", " + std::to_string(r.top) + " サイズ " +
         std::to_string(r.right - r.left) + ", " + std::to_string(r.bottom - r.top);
}

}  // namespace e2e
