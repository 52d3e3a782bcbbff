// The Wine 10 lane's screen scale is in effect as Windows shows it at 150 %: a thread that is not
// DPI aware sees a smaller screen at 96 DPI (the system stretches what it draws), a thread aware
// per monitor sees the screen's own pixels, its DPI and the icons of that scale. Registered at
// 144 DPI on the lane's 1920 x 1080 screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

namespace {

struct Seen {
  int width;
  int height;
  int logPixels;
  int iconWidth;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* out) {
  *out << s.width << " x " << s.height << ", " << s.logPixels << " DPI, icons " << s.iconWidth;
}

Seen SeenByThisThread() {
  HDC screen = GetDC(nullptr);
  const Seen seen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), GetDeviceCaps(screen, LOGPIXELSX),
                  GetSystemMetrics(SM_CXICON)};
  ReleaseDC(nullptr, screen);
  return seen;
}

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 through SetThreadDpiAwarenessContext, looked up at run
// time as a program for older systems does; false where the system lacks it.
bool MakeThisThreadPerMonitorAware() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
  return set && set(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) != nullptr;
}

TEST(ScreenScale, UnawareThreadsSeeTheScreenAt96Dpi) {
  EXPECT_EQ(SeenByThisThread(), (Seen{1280, 720, 96, 32}));
}

TEST(ScreenScale, PerMonitorAwareThreadsSeeTheScreensPixelsAndDpi) {
  bool aware = false;
  Seen seen{};
  std::thread([&] {
    aware = MakeThisThreadPerMonitorAware();
    seen = SeenByThisThread();
  }).join();
  ASSERT_TRUE(aware);
  EXPECT_EQ(seen, (Seen{1920, 1080, 144, 48}));
  // The thread's awareness is its own: this one still sees the scaled screen.
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
}

}  // namespace
