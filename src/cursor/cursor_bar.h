#pragma once
#include <string>

#include "cursor/cursor_history_box.h"
#include "cursor/cursor_lists.h"
#include "cursor/cursor_preview.h"
#include "cursor/cursor_stamping.h"
#include "ui/command_table.h"
#include "ui/hints.h"
#include "workspace/reshow_sequence.h"
#include "workspace/size_bar.h"

// The components of the cursor bar that the main window's layout makes.
struct CursorBarControls {
  Panel& Panel_Icon;
  Label& Label_IX;
  Label& Label_IY;
  OwnerDrawnComboBox& ComboBox_Icon;
  OwnerDrawnComboBox& ComboBox_Select;
  OwnerDrawnComboBox& ComboBox_DEFAULT;
  OwnerDrawnComboBox& ComboBox_Arrow;
  SizeBar& sizeBar;
  ScrollBox& ScrollBox1;
};

// The cursor bar: the current cursor's preview and hot spot, its six sources, and stamping it.
class CursorBar {
 public:
  CursorBar(Workspace& workspace, MainWindowServices& window, CursorBarControls controls);

  void Create(ReshowSequence& reshow, Hints& hints);
  void Bind(CommandTable& commands);

  // The start-up's cursor steps in their order; the arrow list, built last, makes the small
  // arrow current.
  void BuildSources();
  // The close path keeps the history in PIKTO_I0.LST.
  bool SaveHistory() const { return history_.SaveHistory(); }
  // The preview empties with the picture it follows.
  void EmptyPreview() { preview_.EmptyPreview(); }
  // The main window moved to another scale.
  void ChangeScale() {
    lists_.FitItems();
    preview_.RenderCursorPreview();
  }

 private:
  CursorPreview preview_;
  CursorLists lists_;
  CursorHistoryBox history_;
  CursorStamping stamping_;
  CursorBarControls controls_;
};
