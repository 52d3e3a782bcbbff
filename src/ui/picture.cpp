#include "ui/picture.h"

#include <cstdlib>
#include <cstring>
#include <utility>

#include "ui/clipboard_file.h"

namespace {

BITMAPINFO TopDown32(Size size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // negative: rows top-down, as pixels.h lays them out
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::size_t ByteCount(Size size) {
  return static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * sizeof(Pixel);
}

}  // namespace

Picture::Picture(Picture&& other) noexcept
    : bitmap_(std::move(other.bitmap_)),
      bits_(std::exchange(other.bits_, nullptr)),
      size_(std::exchange(other.size_, Size{})) {}

Picture& Picture::operator=(Picture&& other) noexcept {
  if (this != &other) {
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);
    size_ = std::exchange(other.size_, Size{});
  }
  return *this;
}

bool Picture::Create(Size size) {
  if (size.width <= 0 || size.height <= 0) return false;
  if (static_cast<long long>(size.width) * size.height * static_cast<long long>(sizeof(Pixel)) > MaxBytes) {
    return false;
  }
  const BITMAPINFO info = TopDown32(size);
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  bitmap_ = std::move(bitmap);
  bits_ = static_cast<Pixel*>(bits);
  size_ = size;
  return true;
}

void Picture::Clear() { *this = Picture(); }

bool Picture::CopyFrom(const Picture& other) {
  if (&other == this) return true;
  if (other.Empty()) {
    Clear();
    return true;
  }
  GdiFlush();
  // Same size: copied in place, which cannot fail and spares a new bitmap (its memory is zeroed
  // page by page on first touch, which costs more than the copy).
  if (size_ == other.size_) {
    std::memcpy(bits_, other.bits_, ByteCount(size_));
    return true;
  }
  Picture copy;
  if (!copy.Create(other.size_)) return false;
  std::memcpy(copy.bits_, other.bits_, ByteCount(other.size_));
  *this = std::move(copy);
  return true;
}

bool Picture::Assign(const PixelBuffer& buffer) {
  if (buffer.Empty()) {
    Clear();
    return true;
  }
  const Size size{buffer.width, buffer.height};
  if (buffer.pixels.size() * sizeof(Pixel) != ByteCount(size)) return false;
  Picture copy;
  if (!copy.Create(size)) return false;
  std::memcpy(copy.bits_, buffer.pixels.data(), ByteCount(size));
  *this = std::move(copy);
  return true;
}

PixelBuffer Picture::ToPixelBuffer() const {
  if (Empty()) return {};
  GdiFlush();
  PixelBuffer buffer(size_.width, size_.height);
  std::memcpy(buffer.pixels.data(), bits_, ByteCount(size_));
  return buffer;
}

bool Picture::StretchFrom(const Picture& source, Size size) {
  if (source.Empty()) return false;
  Picture stretched;
  if (!stretched.Create(size)) return false;
  {
    MemoryDc from(CreateCompatibleDC(nullptr));
    MemoryDc to(CreateCompatibleDC(nullptr));
    if (!from || !to) return false;
    SelectedObject fromBitmap(from.Get(), source.Handle());
    SelectedObject toBitmap(to.Get(), stretched.Handle());
    if (!StretchBlt(to.Get(), 0, 0, size.width, size.height, from.Get(), 0, 0, source.Width(), source.Height(),
                    SRCCOPY)) {
      return false;
    }
  }
  GdiFlush();
  *this = std::move(stretched);
  return true;
}

void Picture::Draw(HDC dc, int x, int y) const {
  if (Empty()) return;
  MemoryDc from(CreateCompatibleDC(dc));
  if (!from) return;
  SelectedObject bitmap(from.Get(), Handle());
  BitBlt(dc, x, y, size_.width, size_.height, from.Get(), 0, 0, SRCCOPY);
}

// A bitmap in the screen's own format (a device-dependent bitmap) with the picture's pixels.
BitmapHandle Picture::ScreenFormatCopy() const {
  WindowDc screen(nullptr);
  BitmapHandle copy(CreateCompatibleBitmap(screen.Get(), size_.width, size_.height));
  if (!copy) return {};
  GdiFlush();
  const BITMAPINFO info = TopDown32(size_);
  if (SetDIBits(screen.Get(), copy.Get(), 0, static_cast<UINT>(size_.height), bits_, &info, DIB_RGB_COLORS) !=
      size_.height) {
    return {};
  }
  return copy;
}

bool Picture::AssignFromBitmap(HBITMAP bitmap) {
  BITMAP description{};
  if (!bitmap || !GetObjectA(bitmap, sizeof description, &description)) return false;
  Picture copy;
  if (!copy.Create({description.bmWidth, std::abs(description.bmHeight)})) return false;
  BITMAPINFO info = TopDown32(copy.size_);
  WindowDc screen(nullptr);
  if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(copy.Height()), copy.bits_, &info, DIB_RGB_COLORS) !=
      copy.Height()) {
    return false;
  }
  // The unused fourth byte stays zero, as everywhere else in our pixels.
  const std::size_t count = ByteCount(copy.size_) / sizeof(Pixel);
  for (std::size_t i = 0; i < count; ++i) copy.bits_[i] &= 0x00FFFFFF;
  *this = std::move(copy);
  return true;
}

bool Picture::TakeScreenFormat() {
  if (Empty()) return false;
  const BitmapHandle device = ScreenFormatCopy();
  return device && AssignFromBitmap(device.Get());
}

bool Picture::PutOnClipboard(HWND owner, ClipboardFile beside) const {
  if (Empty()) return false;
  // The clipboard gets a bitmap in the screen's own format, as every other program expects.
  BitmapHandle copy = ScreenFormatCopy();
  if (!copy) return false;
  ClipboardSession clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_BITMAP, copy.Get())) return false;
  copy.Release();  // the clipboard owns it now
  return beside.format == 0 || AddToOpenClipboard(beside);
}

bool Picture::TakeFromClipboard(HWND owner) {
  ClipboardSession clipboard(owner);
  if (!clipboard) return false;
  // Owned by the clipboard: only read, never selected or deleted.
  return AssignFromBitmap(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
}

BitmapHandle CreateTopDownDib(Size size, int bitCount, std::span<const Pixel> palette, void*& bits) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  if (palette.size() > 256) return {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = size.width;
  info.header.biHeight = -size.height;  // top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitCount);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const Pixel p = palette[i];
    info.colours[i] = {static_cast<BYTE>(BlueOf(p)), static_cast<BYTE>(GreenOf(p)), static_cast<BYTE>(RedOf(p)), 0};
  }
  bits = nullptr;
  return BitmapHandle(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
}
