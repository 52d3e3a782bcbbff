#include "browser/browser_images.h"

#include "ui/picture.h"

ImageListHandle MakeGlyphList(Size size, std::initializer_list<BrowserGlyph> glyphs) {
  ImageListHandle list(
      ImageList_Create(size.width, size.height, ILC_COLOR24 | ILC_MASK, static_cast<int>(glyphs.size()), 0));
  for (BrowserGlyph glyph : glyphs) {
    Picture picture;
    // Added masked: the list keeps its own copy of the bitmap.
    if (picture.Assign(ArtAtSize(BrowserGlyphPicture(glyph), size))) {
      ImageList_AddMasked(list.Get(), picture.Handle(), RGB(255, 0, 0));
    }
  }
  return list;
}
