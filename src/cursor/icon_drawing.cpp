#include "cursor/icon_drawing.h"

#include "ui/handles.h"
#include "ui/picture.h"

namespace {

// A DIB section an icon is drawn on: 32 bits, or 4 bits with the 16 standard colours, where every
// colour is drawn as the nearest of them.
class IconSurface {
 public:
  IconSurface(Size size, bool sixteenColours)
      : size_(size),
        sixteenColours_(sixteenColours),
        bitmap_(sixteenColours ? CreateTopDownDib(size, 4, SixteenColourPalette, bits_)
                               : CreateTopDownDib(size, 32, {}, bits_)) {}

  // The icon drawn at its own size over a black or a white fill; empty when drawing fails.
  PixelBuffer DrawOver(HICON icon, bool white) const {
    if (!bitmap_ || !bits_) return {};
    {
      MemoryDc dc(CreateCompatibleDC(nullptr));
      if (!dc) return {};
      SelectedObject selected(dc.Get(), bitmap_.Get());
      if (!PatBlt(dc.Get(), 0, 0, size_.width, size_.height, white ? WHITENESS : BLACKNESS) ||
          !DrawIconEx(dc.Get(), 0, 0, icon, size_.width, size_.height, 0, nullptr, DI_NORMAL)) {
        return {};
      }
    }
    GdiFlush();
    const auto* bytes = static_cast<const std::uint8_t*>(bits_);
    if (sixteenColours_) {
      const std::size_t stride = (static_cast<std::size_t>(size_.width) * 4 + 31) / 32 * 4;
      return ExpandSixteenColourRows({bytes, stride * size_.height}, size_.width, size_.height);
    }
    PixelBuffer picture(size_.width, size_.height);
    const auto* pixels = static_cast<const Pixel*>(bits_);
    // Drawing through alpha may leave the fourth byte set; only the colour counts.
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = pixels[i] & 0xFFFFFF;
    return picture;
  }

 private:
  Size size_;
  bool sixteenColours_;
  void* bits_ = nullptr;
  BitmapHandle bitmap_;
};

}  // namespace

std::optional<EntryDrawings> DrawIconOverBlackAndWhite(HICON icon, Size size, EntryDrawing drawing) {
  const IconSurface surface(size, drawing == EntryDrawing::SixteenColours);
  EntryDrawings drawings{surface.DrawOver(icon, false), surface.DrawOver(icon, true)};
  if (drawings.overBlack.Empty() || drawings.overWhite.Empty()) return std::nullopt;
  return drawings;
}

std::optional<MaskAndColour> DrawIconApart(HICON icon, Size size) {
  const std::optional<EntryDrawings> drawings = DrawIconOverBlackAndWhite(icon, size, EntryDrawing::TrueColour);
  if (!drawings) return std::nullopt;
  return SplitOverBlackAndWhite(drawings->overBlack, drawings->overWhite);
}
