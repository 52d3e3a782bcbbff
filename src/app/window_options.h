#pragma once
#include <optional>

#include "app/main_layout.h"
#include "ui/command_table.h"
#include "ui/hints.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The window-level switches of the main window: top-most (CheckBox1/CheckBox2), the standard
// input colours, the hints, the layout with or without the cursor bar, and the position hint.
class WindowOptions {
 public:
  WindowOptions(Workspace& workspace, MainWindowServices& window, MainLayout& layout, Hints& hints);

  void Bind(CommandTable& commands);
  void ShowSettings();

  void ApplyTopMost() const;
  void LeaveTopMost() const;
  void CheckBox1Click(const CheckBox& sender);
  void BackColorClick();
  void MHELP_MINIClick();
  void MSet_CursorClick();
  void ApplyLayout() { layout_.Apply(workspace_.settings.cursorSet); }
  void UpdatePositionHint();

  // The colour an input field shows; nullopt for any other control.
  std::optional<COLORREF> InputColourOf(HWND control) const;

 private:
  void ApplyInputColours() const;

  Workspace& workspace_;
  MainWindowServices& window_;
  MainLayout& layout_;
  Hints& hints_;
};
