#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/path_helpers.h"
#include "cursor/cursor_sources.h"
#include "ui/handles.h"

namespace {

struct ModuleTraits {
  static void Close(HMODULE module) { FreeLibrary(module); }
};
using ModuleHandle = UniqueHandle<HMODULE, ModuleTraits>;

// PIKTORAN.EXE is built beside the test program; its resources are read without running it.
ModuleHandle LoadProgramResources() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string program = AddTrailingSeparator(ParentPath(self)) + "PIKTORAN.EXE";
  return ModuleHandle(LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
}

// Whether the cursor's mask leaves the pixel opaque (a clear AND bit).
bool OpaqueAt(const ICONINFO& info, Point pixel) {
  BITMAP mask{};
  if (!GetObjectA(info.hbmMask, sizeof mask, &mask)) return false;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), mask.bmWidth, -mask.bmHeight, 1, 32, BI_RGB};
  std::vector<DWORD> pixels(static_cast<std::size_t>(mask.bmWidth) * static_cast<std::size_t>(mask.bmHeight));
  WindowDc screen(nullptr);
  if (!GetDIBits(screen.Get(), info.hbmMask, 0, static_cast<UINT>(mask.bmHeight), pixels.data(), &format,
                 DIB_RGB_COLORS)) {
    return false;
  }
  return (pixels[static_cast<std::size_t>(pixel.y * mask.bmWidth + pixel.x)] & 0xFFFFFF) == 0;
}

TEST(CursorResources, EveryCursorOfTheSystemListLoadsWithItsHotSpot) {
  const ModuleHandle program = LoadProgramResources();
  ASSERT_TRUE(program) << "PIKTORAN.EXE not found beside the tests";
  int ours = 0;
  for (const SystemCursorEntry& entry : SystemCursorEntries) {
    if (entry.kind != SystemCursorKind::Ours && entry.kind != SystemCursorKind::System) continue;
    SCOPED_TRACE(entry.resource);
    const bool isOurs = entry.kind == SystemCursorKind::Ours;
    // Shared cursors: the system owns them, so they are not destroyed here.
    const HCURSOR cursor = LoadCursorA(isOurs ? program.Get() : nullptr, MAKEINTRESOURCEA(entry.resource));
    ASSERT_TRUE(cursor);
    if (!isOurs) continue;
    ++ours;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    const BitmapHandle mask(info.hbmMask), colour(info.hbmColor);
    EXPECT_FALSE(info.fIcon);
    // The file's hot spot is the one the list sets, and it lies on the drawing.
    EXPECT_EQ(static_cast<int>(info.xHotspot), entry.hotSpot.x);
    EXPECT_EQ(static_cast<int>(info.yHotspot), entry.hotSpot.y);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 32);
    // A black-and-white cursor keeps its colour bits under the mask, in one bitmap twice as high.
    EXPECT_EQ(bitmap.bmHeight, colour ? 32 : 64);
    EXPECT_TRUE(OpaqueAt(info, entry.hotSpot));
  }
  EXPECT_EQ(ours, 7);
}

}  // namespace
