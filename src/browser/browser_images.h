#pragma once
#include <initializer_list>

#include "browser/browser_glyphs.h"
#include "ui/handles.h"
// After the window definitions it builds on.
#include <commctrl.h>

struct ImageListTraits {
  static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};
using ImageListHandle = UniqueHandle<HIMAGELIST, ImageListTraits>;

// An image list of glyphs of one size, pure red masked out, in the order given.
ImageListHandle MakeGlyphList(int width, int height, std::initializer_list<BrowserGlyph> glyphs);
