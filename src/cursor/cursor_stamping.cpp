#include "cursor/cursor_stamping.h"

#include "cursor/cursor_pictures.h"
#include "picture/stamp_cursor.h"
#include "ui/application.h"

void CursorStamping::Create() {
  ScrollBox1.onMouseDown = [this](const PictureMouseEvent& event) { Image1MouseDown(event.button, event.at); };
}

Bounds CursorStamping::CursorRectangleAt(Point at) const {
  const CurrentCursor& cursor = workspace_.cursor;
  const Size size = cursor.GetSize();
  return {at.x - cursor.hotSpot.x, at.y - cursor.hotSpot.y, size.width, size.height};
}

void CursorStamping::Image1MouseDown(MouseButton button, Point at) {
  if (!workspace_.settings.cursorSet || (button != MouseButton::Left && button != MouseButton::Right)) return;
  Application::ProcessMessages();
  window_.RefreshPicture();
  const Bounds rectangle = CursorRectangleAt(at);
  WorkingPicture& pictures = workspace_.picture;
  if (button == MouseButton::Right) {
    CopyRectangle(pictures.Base(), pictures.Working(), rectangle);
  } else {
    const CurrentCursor& cursor = workspace_.cursor;
    StampCursor(pictures.Working(), cursor.andMask, cursor.xorColour, {rectangle.left, rectangle.top},
                cursor.combineWithOr);
  }
  window_.RefreshPicture();
}

void CursorStamping::Image1DragDrop(POINT screen) {
  const auto at = ScrollBox1.PictureAt(screen);
  if (!at) return;
  window_.RefreshPicture();
  const Bounds rectangle = CursorRectangleAt(*at);
  const CurrentCursor& cursor = workspace_.cursor;
  StampCursor(workspace_.picture.Working(), cursor.andMask, cursor.xorColour, {rectangle.left, rectangle.top},
              cursor.combineWithOr);
  window_.RefreshPicture();
}
