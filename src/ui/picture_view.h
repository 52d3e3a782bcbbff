#pragma once
#include <functional>

#include "ui/form.h"
#include "ui/picture.h"
#include "ui/scroll_box.h"

// A child window that shows a picture at its own size. A left press drags it (the drop reports
// where the button was released on the screen); other presses report the pressed pixel.
class PictureView : public Form {
 public:
  bool Create(HWND parent, Point at);
  // Shows `picture` (owned elsewhere, outliving its showing) and takes its size.
  void SetPicture(const Picture* picture);

  std::function<void(MouseButton, Point)> onMouseDown;
  std::function<void(POINT screen)> onDrop;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const Picture* picture_ = nullptr;
  bool dragging_ = false;
};
