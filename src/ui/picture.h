#pragma once
#include <span>

#include "common/geometry.h"
#include "common/pixels.h"
#include "ui/clipboard_file.h"
#include "ui/handles.h"

// A picture on an owned 32-bit top-down DIB section: GDI can draw into it and our code reads and
// writes its memory directly, in the layout of common/pixels.h. Every operation that replaces the
// picture builds the new bitmap first, so a failure (out of memory, a refused size) leaves the
// picture as it was.
class Picture {
 public:
  // Sides beyond this are refused: the bitmap's byte count must fit GDI's 32-bit size field.
  static constexpr long long MaxBytes = 0x7FFFFFFFLL;

  Picture() = default;
  Picture(Picture&& other) noexcept;
  Picture& operator=(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  int Width() const { return size_.width; }
  int Height() const { return size_.height; }
  Size GetSize() const { return size_; }
  bool Empty() const { return !bitmap_; }
  HBITMAP Handle() const { return bitmap_.Get(); }

  // Top-down rows without padding. Whoever draws into Handle() with GDI calls GdiFlush before
  // touching the memory again; our own operations do.
  Pixel* Pixels() { return bits_; }
  const Pixel* Pixels() const { return bits_; }
  Pixel* Row(int y) { return bits_ + static_cast<std::ptrdiff_t>(y) * size_.width; }
  const Pixel* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * size_.width; }

  // A new black picture of that size.
  bool Create(Size size);
  void Clear();
  bool CopyFrom(const Picture& other);
  bool Assign(const PixelBuffer& buffer);
  PixelBuffer ToPixelBuffer() const;
  // This picture becomes `source` stretched to `size` (SRCCOPY, the DC's default stretch mode).
  bool StretchFrom(const Picture& source, Size size);
  void Draw(HDC dc, int x, int y) const;

  // Gives the picture the screen's own format and back in memory (on a screen of 256 colours or
  // fewer, its pixels take the screen's colours); the clipboard is not touched.
  bool TakeScreenFormat();

  // Puts a screen-format copy on the clipboard as CF_BITMAP, and `beside` (when it names a format)
  // with it; `owner` becomes the clipboard owner.
  bool PutOnClipboard(HWND owner, ClipboardFile beside = {}) const;
  // Replaces the picture with the clipboard's CF_BITMAP; false when there is none.
  bool TakeFromClipboard(HWND owner);

 private:
  BitmapHandle ScreenFormatCopy() const;
  // The picture becomes a copy of any bitmap's pixels; false (unchanged) when it cannot be read.
  bool AssignFromBitmap(HBITMAP bitmap);

  BitmapHandle bitmap_;
  Pixel* bits_ = nullptr;
  Size size_;
};

// A memory DC with a picture selected into it, for GDI drawing into or out of the picture.
class PictureDc {
 public:
  explicit PictureDc(const Picture& picture)
      : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.Get(), picture.Handle()) {}
  HDC Get() const { return dc_.Get(); }

 private:
  MemoryDc dc_;
  SelectedObject selected_;
};

// A top-down DIB section of `bitCount` bits with `palette` (up to 256 colours) as its colour
// table, for drawing at fewer bits than a Picture has; null when it cannot be made. `bits`
// receives its memory.
BitmapHandle CreateTopDownDib(Size size, int bitCount, std::span<const Pixel> palette, void*& bits);
