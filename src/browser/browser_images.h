#pragma once
#include "common/design_scale.h"
#include <initializer_list>

#include "browser/browser_glyphs.h"
#include "ui/handles.h"
// After the window definitions it builds on.
#include <commctrl.h>

struct ImageListTraits {
  static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListTraits>;

// An image list of the glyphs drawn at `size` (the window's scale of their design size), pure
// red masked out, in the order given.
ImageListHandle MakeGlyphList(Size size, std::initializer_list<BrowserGlyph> glyphs);
