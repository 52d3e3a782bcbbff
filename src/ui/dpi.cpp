#include "ui/dpi.h"

#include <algorithm>
#include <map>

#include "ui/panel.h"
#include "ui/system_function.h"

namespace {

// Windows 10 1607 and later; looked up so that the program still starts on older systems.
using DpiForWindow = UINT WINAPI(HWND);
using DpiForSystem = UINT WINAPI();
using MetricsForDpi = int WINAPI(int, UINT);

std::map<HWND, int>& CachedDpis() {
  static std::map<HWND, int> dpis;
  return dpis;
}

HWND TopLevel(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  return root ? root : window;
}

}  // namespace

int SystemDpi() {
  static DpiForSystem* const forSystem = SystemFunction<DpiForSystem>("user32.dll", "GetDpiForSystem");
  if (forSystem) return static_cast<int>(forSystem());
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
  return dpi > 0 ? dpi : DesignDpi;
}

int WindowDpi(HWND window) {
  if (!window) return SystemDpi();
  const HWND root = TopLevel(window);
  auto& dpis = CachedDpis();
  if (const auto found = dpis.find(root); found != dpis.end()) return found->second;
  static DpiForWindow* const forWindow = SystemFunction<DpiForWindow>("user32.dll", "GetDpiForWindow");
  const int dpi = forWindow ? static_cast<int>(forWindow(root)) : 0;
  if (dpi <= 0) return SystemDpi();  // not a window (yet): nothing to remember
  dpis[root] = dpi;
  return dpi;
}

void NoteWindowDpi(HWND topLevel, int dpi) { CachedDpis()[topLevel] = dpi; }

void ForgetWindowDpi(HWND topLevel) { CachedDpis().erase(topLevel); }

int SystemMetric(int index, int dpi) {
  static MetricsForDpi* const forDpi = SystemFunction<MetricsForDpi>("user32.dll", "GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

FontHandle MakeFont(const char* face, int designHeight, int dpi, bool bold, bool italic) {
  // "System" is a raster font made for 96 DPI, which does not grow with the scale (its Latin
  // letters stay small, and the cell cuts the tops of the Japanese ones drawn in): at another
  // scale the program's scalable face takes its place.
  if (dpi != DesignDpi && lstrcmpiA(face, "System") == 0) face = "ＭＳ Ｐゴシック";
  return FontHandle(CreateFontA(DpiScale(dpi)(designHeight), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE,
                                FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face));
}

HFONT GuiFont(int dpi) {
  // The stock font is made for the system's DPI; another monitor's scale gets its own copy.
  const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (dpi == SystemDpi()) return stock;
  static std::map<int, FontHandle> fonts;
  FontHandle& font = fonts[dpi];
  if (!font) {
    LOGFONTA face{};
    GetObjectA(stock, sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, dpi, SystemDpi());
    face.lfWidth = 0;
    font.Reset(CreateFontIndirectA(&face));
  }
  return font ? font.Get() : stock;
}

int DesignLineHeight(const char* face, int designHeight) {
  return FontLineHeight(MakeFont(face, designHeight, DesignDpi).Get());
}

Bounds LineBounds(const DpiScale& scale, Bounds design, int designLine, HFONT font, int designFrame) {
  design.height = std::max(design.height, designLine + designFrame);
  Bounds placed = scale(design);
  placed.height = std::max(placed.height, FontLineHeight(font) + scale(designFrame));
  return placed;
}
