#include "cursor/cursor_preview.h"

#include "common/decimal.h"
#include "cursor/cursor_pictures.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "workspace/main_menu.h"

namespace {
constexpr const char* HotSpotItems[] = {"IXY0", "IXY1", "IXY2", "IXY3", "IXY4"};
}

CursorPreview::CursorPreview(Workspace& workspace, MainWindowServices& window, Panel& panelIcon, Label& labelIx,
                             Label& labelIy)
    : workspace_(workspace),
      window_(window),
      Panel_Icon(panelIcon),
      Label_IX(labelIx),
      Label_IY(labelIy),
      PopupMenu_IXY(HotSpotPopupTable(), true) {}

void CursorPreview::Create() {
  Image_Icon.Create(Panel_Icon.Handle(), ScaleOf(Panel_Icon.Handle())(Point{2, 2}));
  Image_Icon.onMouseDown = [this](MouseButton, Point at) { Image_IconMouseDown(at); };
  Image_Icon.onDrop = [this](POINT screen) {
    if (onDrop) onDrop(screen);
  };
  Label_IX.onRightDown = [this] { Label_IXMouseDown(); };
  Label_IY.onRightDown = [this] { Label_IXMouseDown(); };
}

void CursorPreview::Bind(CommandTable& commands) {
  commands.Bind("MKI_Migi", [this] { MKI_MigiClick(TransformKind::RotateRight); });
  commands.Bind("MKI_SAKA", [this] { MKI_MigiClick(TransformKind::Rotate180); });
  commands.Bind("MKI_Left", [this] { MKI_MigiClick(TransformKind::RotateLeft); });
  commands.Bind("MKI_Mirror", [this] { MKI_MigiClick(TransformKind::Mirror); });
}

void CursorPreview::RenderCursorPreview() {
  CurrentCursor& cursor = workspace_.cursor;
  cursor.combineWithOr = cursor.fromBitmap;
  if (!ComposeCursor(cursor, window_.Window().Colour(), cursor.combineWithOr, preview_)) preview_.Clear();
  // The cursor pixel for pixel, in a border of the window's scale.
  const Size size = preview_.GetSize();
  const Bounds panel = Panel_Icon.GetBounds();
  const int border = ScaleOf(Panel_Icon.Handle())(6);
  Panel_Icon.SetBounds({panel.left, panel.top, size.width + border, size.height + border});
  Image_Icon.SetPicture(&preview_);
}

void CursorPreview::EmptyPreview() {
  preview_.Clear();
  Image_Icon.SetPicture(&preview_);
}

void CursorPreview::ShowHotSpot() const {
  Label_IX.SetText(ToDecimal(workspace_.cursor.hotSpot.x));
  Label_IY.SetText(ToDecimal(workspace_.cursor.hotSpot.y));
}

void CursorPreview::Image_IconMouseDown(Point at) {
  workspace_.cursor.hotSpot = at;
  ShowHotSpot();
}

void CursorPreview::Label_IXMouseDown() {
  if (workspace_.hotSpotMenuGuard) return;
  workspace_.hotSpotMenuGuard = true;
  ScreenCursor::SetBusy(true);
  POINT at{};
  GetCursorPos(&at);
  // The menu is about to show: the normal cursor returns and the menu may be asked for again.
  ScreenCursor::SetBusy(false);
  workspace_.hotSpotMenuGuard = false;
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(PopupMenu_IXY.Root(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x,
                                                       at.y, 0, window_.Window().Handle(), nullptr));
  for (int item = 0; item < static_cast<int>(std::size(HotSpotItems)); ++item) {
    if (PopupMenu_IXY.CommandId(HotSpotItems[item]) == chosen) IXY0Click(item);
  }
}

void CursorPreview::IXY0Click(int item) {
  const Size size = preview_.Empty() ? workspace_.cursor.GetSize() : preview_.GetSize();
  const int right = size.width - 1;
  const int bottom = size.height - 1;
  const Point spots[] = {{size.width / 2 - 1, size.height / 2 - 1}, {0, 0}, {0, bottom}, {right, 0}, {right, bottom}};
  workspace_.cursor.hotSpot = spots[item];
  ShowHotSpot();
}

void CursorPreview::MKI_MigiClick(TransformKind kind) {
  CurrentCursor& cursor = workspace_.cursor;
  if (cursor.xorColour.Empty()) return;
  workspace_.picture.Transform(cursor.andMask, kind);
  workspace_.picture.Transform(cursor.xorColour, kind);
  RenderCursorPreview();
}
