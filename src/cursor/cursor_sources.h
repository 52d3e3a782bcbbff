#pragma once
#include <array>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "cursor/glyphs.h"

// The built-in cursor lists of the cursor bar: what each entry draws and the hot spot it sets.

// Where a system cursor list entry comes from.
enum class SystemCursorKind {
  System,     // a Windows system cursor: LoadCursor(nullptr, resource)
  Ours,       // a cursor resource of PIKTORAN.EXE: LoadCursor(the program, resource)
  SizeGlyph,  // the four-way arrow glyph
  None,       // nothing: an empty, fully transparent 32 x 32 cursor
};

struct SystemCursorEntry {
  SystemCursorKind kind;
  int resource;  // the cursor resource number of System and Ours, 0 otherwise
  Point hotSpot;
};

// ComboBox_DEFAULT, entries 0 to 21; entry 2 is selected at start-up.
extern const std::array<SystemCursorEntry, 22> SystemCursorEntries;

// ComboBox_Arrow: small, medium and large arrow; entry 0 is selected at start-up.
struct ArrowEntry {
  Glyph glyph;
  Point hotSpot;
};
extern const std::array<ArrowEntry, 3> ArrowEntries;

// ComboBox_Select: the roles of the user's pointer scheme, values of HKCU "Control Panel\Cursors".
// An empty value takes the fallback, with hot spot (0, 0).
enum class SchemeFallback {
  SystemCursor,  // the Windows system cursor `systemCursor`
  PenGlyph,
  SizeGlyph,
};

struct SchemeRole {
  const char* valueName;
  SchemeFallback fallback;
  int systemCursor;  // the resource number for SchemeFallback::SystemCursor, 0 otherwise
};
extern const std::array<SchemeRole, 14> SchemeRoles;

// The file a role's value names. When the value's first "%...%" pair is %SystemRoot% (any letter
// case), the file is the Windows folder, which keeps its trailing separator, followed by what
// follows the pair: "%SystemRoot%\Cursors\x.cur" gives "C:\WINDOWS\" "\Cursors\x.cur". Any other
// value is the file name as it stands.
std::string SchemeRoleFileName(std::string_view value, std::string_view windowsFolder);
