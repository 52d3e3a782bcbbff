#include "cursor/load_cursor_entry.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "cursor/glyphs.h"
#include "cursor/icon_drawing.h"
#include "formats/bmp_format.h"
#include "formats/cursor_file.h"
#include "formats/entry_drawing.h"
#include "formats/key_colour.h"
#include "formats/program_file.h"
#include "picture/working_picture.h"
#include "ui/file_bytes.h"
#include "ui/handles.h"

namespace {

// A program file mapped for the check of its tables: the system maps it too, and a library may be
// much larger than anything we would read.
class MappedFile {
 public:
  explicit MappedFile(const std::string& fileName) {
    const KernelHandle file = OpenFile(fileName);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart == 0 ||
        static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) {
      return;
    }
    const KernelHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping) return;
    view_ = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
    if (view_) bytes_ = {static_cast<const std::uint8_t*>(view_), static_cast<std::size_t>(size.QuadPart)};
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile() {
    if (view_) UnmapViewOfFile(view_);
  }
  ByteSpan Bytes() const { return bytes_; }

 private:
  void* view_ = nullptr;
  ByteSpan bytes_;
};

bool ProgramFileIsSound(const std::string& fileName) { return ProgramIconsAreSound(MappedFile(fileName).Bytes()); }

// Pictures of the same size take the pixels in place, which cannot fail and spares making two
// bitmaps per entry when a list loads a file's images one after another.
bool CopyPixelsInto(const PixelBuffer& buffer, Picture& picture) {
  if (picture.GetSize() != Size{buffer.width, buffer.height}) return false;
  std::copy(buffer.pixels.begin(), buffer.pixels.end(), picture.Pixels());
  return true;
}

// The cursor's images are replaced only when both new ones could be made.
bool TakePictures(const MaskAndColour& pictures, CurrentCursor& cursor) {
  const Size size{pictures.andMask.width, pictures.andMask.height};
  if (cursor.andMask.GetSize() == size && cursor.xorColour.GetSize() == size &&
      Size{pictures.xorColour.width, pictures.xorColour.height} == size) {
    GdiFlush();
    return CopyPixelsInto(pictures.andMask, cursor.andMask) && CopyPixelsInto(pictures.xorColour, cursor.xorColour);
  }
  Picture andMask;
  Picture xorColour;
  if (!andMask.Assign(pictures.andMask) || !xorColour.Assign(pictures.xorColour)) return false;
  cursor.andMask = std::move(andMask);
  cursor.xorColour = std::move(xorColour);
  return true;
}

int ProgramIconCount(const std::string& fileName) {
  // Asked for icon -1, the call answers with the count in place of a handle.
  const auto count = reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), fileName.c_str(), UINT(-1)));
  return static_cast<int>(std::min<UINT_PTR>(count, INT_MAX));
}

int LoadProgramIcon(const std::string& fileName, int index, CurrentCursor& cursor) {
  if (index < 0 || !ProgramFileIsSound(fileName)) return 0;
  const HICON extracted = ExtractIconA(GetModuleHandleA(nullptr), fileName.c_str(), static_cast<UINT>(index));
  // 1 is no handle either: the file holds no icons at all.
  if (!extracted || extracted == reinterpret_cast<HICON>(1)) return ProgramFileResult(false, ProgramIconCount(fileName));
  const IconHandle icon(extracted);
  const Size size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  const std::optional<MaskAndColour> pictures = DrawIconApart(icon.Get(), size);
  if (!pictures || !TakePictures(*pictures, cursor)) return -1;
  cursor.sourceFile = fileName;
  cursor.fromBitmap = false;
  return ProgramFileResult(true, 0);
}

int LoadIconEntry(const std::string& fileName, ByteSpan file, int index, CurrentCursor& cursor) {
  const PreparedEntry prepared = PrepareCursorEntry(file, index);
  if (prepared.result < 1) return prepared.result;
  const IconEntry& entry = *prepared.entry;
  const std::optional<MaskAndColour> pictures = EntryPictures(entry);
  if (!pictures || !TakePictures(*pictures, cursor)) return -prepared.result;
  cursor.hotSpot = prepared.hotSpot;
  cursor.sourceFile = fileName;
  cursor.fromBitmap = false;
  return prepared.result;
}

// A cursor picture, not a photograph: nothing beyond the size of the largest icon entries.
std::optional<PixelBuffer> CursorPicture(ByteSpan file) {
  BmpDecoded decoded = DecodeBmp(file, std::int64_t{MaxEntrySide} * MaxEntrySide);
  if (decoded.error != BmpError::None || decoded.picture.width > MaxEntrySide || decoded.picture.height > MaxEntrySide) {
    return std::nullopt;
  }
  return std::move(decoded.picture);
}

// On screens of 8 bits or less a picture that cannot be decoded is replaced by the pen glyph.
PixelBuffer LowColourPicture(ByteSpan file) {
  std::optional<PixelBuffer> decoded = CursorPicture(file);
  Picture picture;
  if (decoded && picture.Assign(*decoded) && WorkingPicture::CheckPictureReadable(picture)) return std::move(*decoded);
  return GlyphPictures(Glyph::Pen).xorColour;
}

int LoadBitmapCursor(const std::string& fileName, ByteSpan file, int index, CurrentCursor& cursor, int screenDepth) {
  if (index != 0) return -1;
  const KeyColour key = KeyColourOf(fileName);
  if (screenDepth <= 8) {
    if (!TakePictures(KeyColourPictures(LowColourPicture(file), key, screenDepth), cursor)) {
      cursor.andMask.Clear();
      cursor.xorColour.Clear();
      return -1;
    }
  } else {
    const std::optional<PixelBuffer> decoded = CursorPicture(file);
    if (!decoded || !TakePictures(KeyColourPictures(*decoded, key, screenDepth), cursor)) return -1;
  }
  cursor.fromBitmap = true;
  return 1;
}

}  // namespace

CursorFileBytes::CursorFileBytes(std::string fileName) : name(std::move(fileName)) {
  if (!IsProgramFileName(name)) bytes = ReadWholeFile(name, MaxCursorFileBytes);
}

int LoadCursorEntry(const CursorFileBytes& file, int index, CurrentCursor& cursor, int screenDepth) {
  cursor.hotSpot = {};
  cursor.sourceFile.clear();
  try {
    if (IsProgramFileName(file.name)) return LoadProgramIcon(file.name, index, cursor);
    if (!file.bytes) return 0;
    switch (CursorFileKindOf(*file.bytes)) {
      case CursorFileKind::Bitmap:
        return LoadBitmapCursor(file.name, *file.bytes, index, cursor, screenDepth);
      case CursorFileKind::ProgramImage:
        return 0;
      default:
        return LoadIconEntry(file.name, *file.bytes, index, cursor);
    }
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int LoadCursorEntry(const std::string& fileName, int index, CurrentCursor& cursor, int screenDepth) {
  try {
    return LoadCursorEntry(CursorFileBytes(fileName), index, cursor, screenDepth);
  } catch (const std::bad_alloc&) {
    cursor.hotSpot = {};
    cursor.sourceFile.clear();
    return 0;
  }
}

int CountCursorImages(const CursorFileBytes& file) {
  try {
    if (IsProgramFileName(file.name)) return ProgramFileIsSound(file.name) ? ProgramIconCount(file.name) : 0;
    return file.bytes ? CountImagesInCursorFile(*file.bytes) : 0;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

int CountCursorImages(const std::string& fileName) {
  try {
    return CountCursorImages(CursorFileBytes(fileName));
  } catch (const std::bad_alloc&) {
    return 0;
  }
}
