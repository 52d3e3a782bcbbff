#pragma once
#include "ui/scroll_box.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// Stamping the current cursor into the working picture with its hot spot on the pointed pixel:
// a left click on the picture (while カーソル一覧表示 is checked) or dropping the preview on it;
// a right click copies the same rectangle back from the base picture, erasing the stamp.
class CursorStamping {
 public:
  CursorStamping(Workspace& workspace, MainWindowServices& window, ScrollBox& scrollBox)
      : workspace_(workspace), window_(window), ScrollBox1(scrollBox) {}

  void Create();

  void Image1MouseDown(MouseButton button, Point at);
  // The preview let go at a point of the screen; stamps when that is over the picture.
  void Image1DragDrop(POINT screen);

 private:
  Bounds CursorRectangleAt(Point at) const;

  Workspace& workspace_;
  MainWindowServices& window_;
  ScrollBox& ScrollBox1;
};
