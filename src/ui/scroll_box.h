#pragma once
#include <functional>
#include <optional>

#include "common/geometry.h"
#include "ui/form.h"
#include "ui/picture.h"

// Which button a mouse event of the shown picture is about.
enum class MouseButton { None, Left, Right, Middle };

// A mouse event on the shown picture, in picture coordinates. While a button is held the picture
// keeps the mouse, so moves and the release may lie outside it.
struct PictureMouseEvent {
  MouseButton button = MouseButton::None;
  Point at;
  WPARAM keys = 0;  // MK_SHIFT, MK_CONTROL and the held buttons, as the window message gives them
};

// A scrolling child area that shows a picture at its top-left corner (the picture itself is
// owned elsewhere and must outlive its showing). Both scroll bars move the picture while their
// thumbs are dragged; the area the picture does not cover takes the background colour.
class ScrollBox : public Form {
 public:
  bool Create(HWND parent, const Bounds& bounds);

  // Shows `picture` (null: nothing) at the current scroll position.
  void SetPicture(const Picture* picture);
  // After the shown picture changed: scroll ranges follow its size, and it is drawn again.
  void Refresh();
  // Scroll ranges = picture size, both positions 0, the picture at 0, 0.
  void ResetScroll();
  Point ScrollPosition() const { return scroll_; }
  // The picture coordinates under a screen point; nullopt outside the box's client area.
  std::optional<Point> PictureAt(POINT screen) const;

  void SetColour(COLORREF colour);
  COLORREF Colour() const override { return colour_; }

  std::function<void(const PictureMouseEvent&)> onMouseDown;
  std::function<void(const PictureMouseEvent&)> onMouseMove;
  std::function<void(const PictureMouseEvent&)> onMouseUp;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Size PictureSize() const;
  void UpdateScrollBars();
  void Scroll(int bar, int request);
  void PaintTo(HDC dc);
  void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);

  const Picture* picture_ = nullptr;
  Point scroll_;
  COLORREF colour_ = GetSysColor(COLOR_WINDOW);
  bool updatingBars_ = false;
  bool mouseHeld_ = false;
};
