#include <gtest/gtest.h>

#include <string>

#include "cursor/cursor_sources.h"

namespace {

TEST(CursorSources, SystemCursorListGivesEachEntryItsCursorAndHotSpot) {
  struct Row {
    SystemCursorKind kind;
    int resource;
    Point hotSpot;
  };
  using K = SystemCursorKind;
  const Row rows[22] = {
      {K::System, 32512, {0, 0}},   {K::None, 0, {0, 0}},         {K::System, 32512, {0, 0}},
      {K::System, 32515, {15, 15}}, {K::System, 32513, {15, 15}}, {K::SizeGlyph, 0, {15, 15}},
      {K::System, 32643, {17, 17}}, {K::System, 32645, {16, 17}}, {K::System, 32642, {17, 17}},
      {K::System, 32644, {17, 17}}, {K::System, 32516, {16, 6}},  {K::System, 32514, {17, 17}},
      {K::Ours, 32766, {0, 0}},     {K::Ours, 32767, {0, 0}},     {K::Ours, 32765, {17, 15}},
      {K::Ours, 32764, {15, 13}},   {K::Ours, 32763, {0, 0}},     {K::Ours, 32762, {0, 0}},
      {K::System, 32648, {17, 17}}, {K::System, 32650, {0, 0}},   {K::System, 32651, {5, 7}},
      {K::Ours, 32761, {8, 1}},
  };
  for (int i = 0; i < 22; ++i) {
    const SystemCursorEntry& entry = SystemCursorEntries[static_cast<std::size_t>(i)];
    EXPECT_EQ(entry.kind, rows[i].kind) << i;
    EXPECT_EQ(entry.resource, rows[i].resource) << i;
    EXPECT_EQ(entry.hotSpot, rows[i].hotSpot) << i;
  }
}

TEST(CursorSources, SchemeRolesFallBackToTheirSystemCursorOrGlyph) {
  using F = SchemeFallback;
  const struct {
    const char* valueName;
    SchemeFallback fallback;
    int systemCursor;
  } rows[14] = {
      {"Arrow", F::SystemCursor, 32512},    {"Help", F::SystemCursor, 32651},     {"AppStarting", F::SystemCursor, 32650},
      {"Wait", F::SystemCursor, 32514},     {"Crosshair", F::SystemCursor, 32515}, {"IBeam", F::SystemCursor, 32513},
      {"NWPen", F::PenGlyph, 0},            {"No", F::SystemCursor, 32648},       {"SizeNS", F::SystemCursor, 32645},
      {"SizeWE", F::SystemCursor, 32644},   {"SizeNWSE", F::SystemCursor, 32642}, {"SizeNESW", F::SystemCursor, 32643},
      {"SizeAll", F::SizeGlyph, 0},         {"UpArrow", F::SystemCursor, 32516},
  };
  for (std::size_t i = 0; i < SchemeRoles.size(); ++i) {
    const SchemeRole& role = SchemeRoles[i];
    EXPECT_STREQ(role.valueName, rows[i].valueName) << i;
    EXPECT_EQ(role.fallback, rows[i].fallback) << i;
    EXPECT_EQ(role.systemCursor, rows[i].systemCursor) << i;
  }
}

TEST(CursorSources, ArrowListPairsEachArrowWithItsHotSpot) {
  EXPECT_EQ(ArrowEntries[0].glyph, Glyph::Arrow);
  EXPECT_EQ(ArrowEntries[0].hotSpot, (Point{0, 0}));
  EXPECT_EQ(ArrowEntries[1].glyph, Glyph::ArrowMedium);
  EXPECT_EQ(ArrowEntries[1].hotSpot, (Point{1, 3}));
  EXPECT_EQ(ArrowEntries[2].glyph, Glyph::ArrowLarge);
  EXPECT_EQ(ArrowEntries[2].hotSpot, (Point{0, 0}));
}

TEST(CursorSources, SchemeRoleFileNameTakesSystemRootFromTheWindowsFolder) {
  const std::string windows = "C:\\WINDOWS\\";
  struct Case {
    std::string value, expected;
  };
  const Case cases[] = {
      // The folder keeps its separator and the rest starts with one: the separator doubles.
      {"%SystemRoot%\\Cursors\\x.cur", "C:\\WINDOWS\\\\Cursors\\x.cur"},
      {"%SYSTEMROOT%\\a.cur", "C:\\WINDOWS\\\\a.cur"},
      {"%systemroot%\\a.cur", "C:\\WINDOWS\\\\a.cur"},
      {"%SystemRoot%", "C:\\WINDOWS\\"},
      {"%SystemRoot%a.cur", "C:\\WINDOWS\\a.cur"},
      // What stands before the pair is not kept.
      {"D:%SystemRoot%\\a.cur", "C:\\WINDOWS\\\\a.cur"},
      {"%SystemRoot%\\表\\ソ.cur", "C:\\WINDOWS\\\\表\\ソ.cur"},
      // Other variables, other pairs and lone signs are left as they are.
      {"%USERPROFILE%\\a.cur", "%USERPROFILE%\\a.cur"},
      {"%windir%%SystemRoot%\\a.cur", "%windir%%SystemRoot%\\a.cur"},
      {"%SystemRoot \\a.cur", "%SystemRoot \\a.cur"},
      {"% SystemRoot%\\a.cur", "% SystemRoot%\\a.cur"},
      {"%ＳｙｓｔｅｍＲｏｏｔ%\\a.cur", "%ＳｙｓｔｅｍＲｏｏｔ%\\a.cur"},
      {"%%", "%%"},
      {"C:\\Cursors\\a.cur", "C:\\Cursors\\a.cur"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(SchemeRoleFileName(c.value, windows), c.expected) << c.value;
}

}  // namespace
