#pragma once
#include "picture/transform.h"
#include "ui/command_table.h"
#include "ui/controls.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/picture_view.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The cursor preview Image_Icon in Panel_Icon, the hot-spot labels Label_IX and Label_IY with
// their menu PopupMenu_IXY, and the rotation of the cursor.
class CursorPreview {
 public:
  CursorPreview(Workspace& workspace, MainWindowServices& window, Panel& panelIcon, Label& labelIx, Label& labelIy);

  void Create();
  void Bind(CommandTable& commands);

  // Composes the current cursor over the window colour; the pointer combine flag follows the
  // from-bitmap flag.
  void RenderCursorPreview();
  // Empties the preview (its format follows the working picture, which is being replaced).
  void EmptyPreview();
  void ShowHotSpot() const;

  void Image_IconMouseDown(Point at);
  void Label_IXMouseDown();
  void IXY0Click(int item);
  void MKI_MigiClick(TransformKind kind);

  PictureView Image_Icon;
  // Dropping the preview: where on the screen it was let go.
  std::function<void(POINT)> onDrop;

 private:
  Workspace& workspace_;
  MainWindowServices& window_;
  Panel& Panel_Icon;
  Label& Label_IX;
  Label& Label_IY;
  MenuTree PopupMenu_IXY;
  Picture preview_;
};
