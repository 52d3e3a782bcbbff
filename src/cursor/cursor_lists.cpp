#include "cursor/cursor_lists.h"

#include <algorithm>

#include "common/decimal.h"
#include "cursor/cursor_pictures.h"
#include "cursor/cursor_sources.h"
#include "cursor/load_cursor_entry.h"
#include "ui/dpi.h"
#include "ui/registry.h"

namespace {

constexpr const char* CgLoadFailedText = "ＣＧロードに失敗しました";
constexpr int ImageListLimit = 200;
constexpr int DesignCursorSide = 32;  // the built-in cursors and their hot spots are designed at it

// A system cursor, or one of the program's own cursor resources.
HICON CursorResource(int number, bool ours) {
  return LoadCursorA(ours ? GetModuleHandleA(nullptr) : nullptr, MAKEINTRESOURCEA(number));
}

}  // namespace

CursorLists::CursorLists(Workspace& workspace, MainWindowServices& window, CursorPreview& preview, Controls controls)
    : workspace_(workspace), window_(window), preview_(preview), lists_(controls) {}

void CursorLists::Create() {
  lists_.ComboBox_DEFAULT.onSelect = [this] { ComboBox_DEFAULTClick(); };
  lists_.ComboBox_Select.onSelect = [this] { ComboBox_SelectClick(); };
  lists_.ComboBox_Arrow.onSelect = [this] { ComboBox_ArrowClick(); };
  lists_.ComboBox_Icon.onSelect = [this] { ComboBox_IconClick(); };
  lists_.ComboBox_DEFAULT.onDrawItem = [this](const DRAWITEMSTRUCT& item) {
    DrawItem(lists_.ComboBox_DEFAULT, systemPictures_, item);
  };
  lists_.ComboBox_Select.onDrawItem = [this](const DRAWITEMSTRUCT& item) {
    DrawItem(lists_.ComboBox_Select, schemePictures_, item);
  };
  lists_.ComboBox_Arrow.onDrawItem = [this](const DRAWITEMSTRUCT& item) {
    DrawItem(lists_.ComboBox_Arrow, arrowPictures_, item);
  };
  lists_.ComboBox_Icon.onDrawItem = [this](const DRAWITEMSTRUCT& item) {
    DrawItem(lists_.ComboBox_Icon, imagePictures_, item);
  };
  FitItems();
  lists_.ComboBox_Icon.SetEnabled(false);
}

void CursorLists::FitItems() const {
  for (const OwnerDrawnComboBox* list : {&lists_.ComboBox_Select, &lists_.ComboBox_DEFAULT, &lists_.ComboBox_Arrow}) {
    list->SetItemHeight(CursorSize().height);
  }
  if (largest_.height == 0) lists_.ComboBox_Icon.SetItemHeight(CursorSize().height);
  LayoutCursorBoxes();
}

Size CursorLists::CursorSize() const {
  const int dpi = WindowDpi(window_.Window().Handle());
  return {SystemMetric(SM_CXCURSOR, dpi), SystemMetric(SM_CYCURSOR, dpi)};
}

Point CursorLists::AtCursorSize(Point designed) const {
  const Size size = CursorSize();
  return {MulDiv(designed.x, size.width, DesignCursorSide), MulDiv(designed.y, size.height, DesignCursorSide)};
}

// Drawing an item: the list's brush, then the picture with its maroon turned into that brush.
void CursorLists::DrawItem(const OwnerDrawnComboBox& list, const std::vector<Picture>& pictures,
                           const DRAWITEMSTRUCT& item) const {
  const bool selected = item.itemState & ODS_SELECTED;
  const COLORREF brush = selected ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_WINDOW);
  SetDCBrushColor(item.hDC, brush);
  FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  if (item.itemID == static_cast<UINT>(-1)) return;
  const auto index = static_cast<std::size_t>(list.Data(static_cast<int>(item.itemID)));
  if (index < pictures.size()) {
    DrawItemPicture(item.hDC, pictures[index], {item.rcItem.left + ScaleOf(list.Handle())(5), item.rcItem.top}, brush);
  }
}

void CursorLists::MakeItemPicture(Picture& picture) const {
  if (!ComposeCursor(workspace_.cursor, ListBackground, false, picture)) picture.Clear();
}

// Both images again as fresh pictures at the AND image's size.
void CursorLists::Redraw(CurrentCursor& cursor) const {
  const Size size = cursor.andMask.GetSize();
  // Our pictures are all of one pixel format: only a colour image of another size changes.
  if (cursor.xorColour.GetSize() == size) return;
  Picture mask, colour;
  if (!mask.Create(size) || !colour.Create(size)) return;
  CopyRectangle(cursor.andMask, mask, {0, 0, size.width, size.height});
  CopyRectangle(cursor.xorColour, colour, {0, 0, size.width, size.height});
  cursor.andMask = std::move(mask);
  cursor.xorColour = std::move(colour);
}

bool CursorLists::BuildSystemCursor(int index) {
  CurrentCursor& cursor = workspace_.cursor;
  cursor.sourceFile.clear();
  const SystemCursorEntry& entry = SystemCursorEntries[static_cast<std::size_t>(index)];
  bool built = false;
  switch (entry.kind) {
    case SystemCursorKind::System:
      built = DrawCursorHandle(CursorResource(entry.resource, false), CursorSize(), cursor);
      break;
    case SystemCursorKind::Ours:
      built = DrawCursorHandle(CursorResource(entry.resource, true), CursorSize(), cursor);
      break;
    case SystemCursorKind::SizeGlyph:
      built = TakeGlyph(Glyph::Size, CursorSize(), cursor);
      break;
    case SystemCursorKind::None:
      // Nothing shows: a white mask and a black colour image.
      built = cursor.andMask.Create(CursorSize()) && cursor.xorColour.Create(CursorSize());
      if (built) FillPicture(cursor.andMask, RGB(255, 255, 255));
      break;
  }
  if (built) cursor.fromBitmap = false;
  MakeItemPicture(systemPictures_[static_cast<std::size_t>(index)]);
  preview_.RenderCursorPreview();
  return built;
}

bool CursorLists::BuildSchemeRole(int index) {
  CurrentCursor& cursor = workspace_.cursor;
  cursor.sourceFile.clear();
  const SchemeRole& role = SchemeRoles[static_cast<std::size_t>(index)];
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, "Control Panel\\Cursors");
  // Current systems store the roles as expandable strings: "%SystemRoot%\cursors\aero_arrow.cur".
  const std::string value = key ? key->ReadExpandedString(role.valueName).value_or("") : std::string();
  if (!value.empty()) {
    const std::string file = SchemeRoleFileName(value, workspace_.windowsFolder);
    if (LoadCursorEntry(file, 0, cursor, workspace_.screenDepth) < 1) {
      window_.ShowMsgTimed(CgLoadFailedText, 1);
      return false;
    }
  } else {
    const bool built = role.fallback == SchemeFallback::PenGlyph    ? TakeGlyph(Glyph::Pen, CursorSize(), cursor)
                       : role.fallback == SchemeFallback::SizeGlyph ? TakeGlyph(Glyph::Size, CursorSize(), cursor)
                                                                    : DrawCursorHandle(CursorResource(role.systemCursor, false),
                                                                                       CursorSize(), cursor);
    if (built) cursor.fromBitmap = false;
  }
  Redraw(cursor);
  MakeItemPicture(schemePictures_[static_cast<std::size_t>(index)]);
  preview_.RenderCursorPreview();
  return true;
}

bool CursorLists::BuildArrow(int index) {
  CurrentCursor& cursor = workspace_.cursor;
  cursor.sourceFile.clear();
  const bool built = TakeGlyph(ArrowEntries[static_cast<std::size_t>(index)].glyph, CursorSize(), cursor);
  if (built) cursor.fromBitmap = false;
  MakeItemPicture(arrowPictures_[static_cast<std::size_t>(index)]);
  preview_.RenderCursorPreview();
  return built;
}

void CursorLists::FillList(OwnerDrawnComboBox& list, std::vector<Picture>& pictures, std::size_t count,
                           bool (CursorLists::*build)(int), int startIndex) {
  pictures = std::vector<Picture>(count);
  for (int i = 0; i < static_cast<int>(count); ++i) {
    (this->*build)(i);
    list.Add(i);
  }
  list.Select(startIndex);
  list.onSelect();
}

void CursorLists::BuildSystemCursorList() {
  FillList(lists_.ComboBox_DEFAULT, systemPictures_, std::size(SystemCursorEntries), &CursorLists::BuildSystemCursor, 2);
}

void CursorLists::BuildSchemeList() {
  FillList(lists_.ComboBox_Select, schemePictures_, std::size(SchemeRoles), &CursorLists::BuildSchemeRole, 0);
}

void CursorLists::BuildArrowList() {
  FillList(lists_.ComboBox_Arrow, arrowPictures_, std::size(ArrowEntries), &CursorLists::BuildArrow, 0);
}

void CursorLists::ComboBox_DEFAULTClick() {
  const int index = lists_.ComboBox_DEFAULT.Selected();
  if (index < 0) return;
  workspace_.cursor.sourceFile.clear();
  workspace_.cursor.hotSpot = AtCursorSize(SystemCursorEntries[static_cast<std::size_t>(index)].hotSpot);
  preview_.ShowHotSpot();
  BuildSystemCursor(index);
  LayoutCursorBoxes();
}

void CursorLists::ComboBox_ArrowClick() {
  const int index = lists_.ComboBox_Arrow.Selected();
  if (index < 0) return;
  workspace_.cursor.sourceFile.clear();
  workspace_.cursor.hotSpot = AtCursorSize(ArrowEntries[static_cast<std::size_t>(index)].hotSpot);
  preview_.ShowHotSpot();
  BuildArrow(index);
  LayoutCursorBoxes();
}

void CursorLists::ComboBox_SelectClick() {
  const int index = lists_.ComboBox_Select.Selected();
  if (index < 0) return;
  workspace_.cursor.sourceFile.clear();
  workspace_.cursor.hotSpot = {};
  BuildSchemeRole(index);
  preview_.ShowHotSpot();
  preview_.RenderCursorPreview();
  if (!workspace_.cursor.sourceFile.empty()) ListFileImages(workspace_.cursor.sourceFile);
  LayoutCursorBoxes();
}

void CursorLists::ComboBox_IconClick() {
  const int index = lists_.ComboBox_Icon.Selected();
  if (index < 0 || listedFile_.empty()) return;
  LoadListedImage(CursorFileBytes(listedFile_), index);
  preview_.ShowHotSpot();
  preview_.RenderCursorPreview();
  LayoutCursorBoxes();
}

bool CursorLists::LoadListedImage(const CursorFileBytes& file, int index) {
  CurrentCursor& cursor = workspace_.cursor;
  if (LoadCursorEntry(file, index, cursor, workspace_.screenDepth) < 1) return false;
  Redraw(cursor);
  if (static_cast<std::size_t>(index) >= imagePictures_.size()) imagePictures_.resize(index + 1);
  MakeItemPicture(imagePictures_[static_cast<std::size_t>(index)]);
  const Size size = cursor.GetSize();
  largest_ = {std::max(largest_.width, size.width), std::max(largest_.height, size.height)};
  cursor.combineWithOr = false;
  return true;
}

void CursorLists::ListFileImages(std::string file) {
  // Counted, not probed with a load of entry 200: that load would reset the current cursor's hot
  // spot and source file, and would make entry 200 of a larger file the current cursor.
  // The file is read once for all its images.
  const CursorFileBytes bytes(file);
  const int count = CountCursorImages(bytes);
  if (count < 2 || count > ImageListLimit) return;
  imagePictures_.clear();
  largest_ = {};
  OwnerDrawnComboBox& list = lists_.ComboBox_Icon;
  list.Clear();
  for (int i = 0; i <= ImageListLimit; ++i) {
    try {
      if (!LoadListedImage(bytes, i)) break;
    } catch (const std::bad_alloc&) {
      window_.ShowMsg(ToDecimal(i));
      break;
    }
    list.Add(i);
  }
  const Bounds bounds = list.GetBounds();
  list.SetBounds({bounds.left, bounds.top, largest_.width + ScaleOf(list.Handle())(33), bounds.height});
  list.SetItemHeight(largest_.height);
  listedFile_ = file;
  list.Select(0);
  ComboBox_IconClick();
  list.SetEnabled(true);
  LayoutCursorBoxes();
}

void CursorLists::LayoutCursorBoxes() const {
  const int gap = ScaleOf(lists_.Panel_Icon.Handle())(4);
  int left = lists_.Panel_Icon.GetBounds().Right() + gap;
  for (const OwnerDrawnComboBox* list :
       {&lists_.ComboBox_Icon, &lists_.ComboBox_Select, &lists_.ComboBox_DEFAULT, &lists_.ComboBox_Arrow}) {
    const Bounds b = list->GetBounds();
    list->SetBounds({left, b.top, b.width, b.height});
    left += b.width + gap;
  }
}
