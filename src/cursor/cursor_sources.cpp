#include "cursor/cursor_sources.h"

#include "common/shift_jis.h"

namespace {

// The Windows system cursors (IDC_*), by resource number.
constexpr int IdcArrow = 32512;
constexpr int IdcIBeam = 32513;
constexpr int IdcWait = 32514;
constexpr int IdcCross = 32515;
constexpr int IdcUpArrow = 32516;
constexpr int IdcSizeNwse = 32642;
constexpr int IdcSizeNesw = 32643;
constexpr int IdcSizeWe = 32644;
constexpr int IdcSizeNs = 32645;
constexpr int IdcNo = 32648;
constexpr int IdcAppStarting = 32650;
constexpr int IdcHelp = 32651;

// Our own cursor resources in PIKTORAN.EXE (resources/piktoran.rc).
constexpr int OurDrag = 32766;
constexpr int OurNoDrop = 32767;
constexpr int OurHorizontalSplit = 32765;
constexpr int OurVerticalSplit = 32764;
constexpr int OurMultiDrag = 32763;
constexpr int OurDatabaseWait = 32762;
constexpr int OurHandPoint = 32761;

constexpr SystemCursorEntry System(int resource, Point hotSpot) {
  return {SystemCursorKind::System, resource, hotSpot};
}
constexpr SystemCursorEntry Ours(int resource, Point hotSpot) { return {SystemCursorKind::Ours, resource, hotSpot}; }

constexpr std::string_view SystemRoot = "%SYSTEMROOT%";

}  // namespace

const std::array<SystemCursorEntry, 22> SystemCursorEntries = {{
    System(IdcArrow, {0, 0}),  // default
    {SystemCursorKind::None, 0, {0, 0}},
    System(IdcArrow, {0, 0}),
    System(IdcCross, {15, 15}),
    System(IdcIBeam, {15, 15}),
    {SystemCursorKind::SizeGlyph, 0, {15, 15}},
    System(IdcSizeNesw, {17, 17}),
    System(IdcSizeNs, {16, 17}),
    System(IdcSizeNwse, {17, 17}),
    System(IdcSizeWe, {17, 17}),
    System(IdcUpArrow, {16, 6}),
    System(IdcWait, {17, 17}),
    Ours(OurDrag, {0, 0}),
    Ours(OurNoDrop, {0, 0}),
    Ours(OurHorizontalSplit, {17, 15}),
    Ours(OurVerticalSplit, {15, 13}),
    Ours(OurMultiDrag, {0, 0}),
    Ours(OurDatabaseWait, {0, 0}),
    System(IdcNo, {17, 17}),
    System(IdcAppStarting, {0, 0}),
    System(IdcHelp, {5, 7}),
    Ours(OurHandPoint, {8, 1}),
}};

const std::array<ArrowEntry, 3> ArrowEntries = {{
    {Glyph::Arrow, {0, 0}},
    {Glyph::ArrowMedium, {1, 3}},
    {Glyph::ArrowLarge, {0, 0}},
}};

const std::array<SchemeRole, 14> SchemeRoles = {{
    {"Arrow", SchemeFallback::SystemCursor, IdcArrow},
    {"Help", SchemeFallback::SystemCursor, IdcHelp},
    {"AppStarting", SchemeFallback::SystemCursor, IdcAppStarting},
    {"Wait", SchemeFallback::SystemCursor, IdcWait},
    {"Crosshair", SchemeFallback::SystemCursor, IdcCross},
    {"IBeam", SchemeFallback::SystemCursor, IdcIBeam},
    {"NWPen", SchemeFallback::PenGlyph, 0},
    {"No", SchemeFallback::SystemCursor, IdcNo},
    {"SizeNS", SchemeFallback::SystemCursor, IdcSizeNs},
    {"SizeWE", SchemeFallback::SystemCursor, IdcSizeWe},
    {"SizeNWSE", SchemeFallback::SystemCursor, IdcSizeNwse},
    {"SizeNESW", SchemeFallback::SystemCursor, IdcSizeNesw},
    {"SizeAll", SchemeFallback::SizeGlyph, 0},
    {"UpArrow", SchemeFallback::SystemCursor, IdcUpArrow},
}};

std::string SchemeRoleFileName(std::string_view value, std::string_view windowsFolder) {
  // '%' is never the second byte of a Shift-JIS character, so a byte search finds the real ones.
  const std::size_t open = value.find('%');
  if (open == std::string_view::npos) return std::string(value);
  const std::size_t close = value.find('%', open + 1);
  if (close == std::string_view::npos) return std::string(value);
  if (AsciiUpperCase(value.substr(open, close - open + 1)) != SystemRoot) return std::string(value);
  std::string file(windowsFolder);
  file += value.substr(close + 1);
  return file;
}
