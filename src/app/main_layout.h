#pragma once
#include <array>
#include <optional>

#include "dialogs/color_btn.h"
#include "output/file_history.h"
#include "ui/controls.h"
#include "ui/handles.h"
#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "workspace/size_bar.h"

// The main window's components and its two layouts: the full one with the cursor bar
// (Panel_Left) and the slim one (Panel_SLIM), the size bar below them, ScrollBox1 with the
// working picture, and the large start-up title PanelOPEN over everything.
class MainLayout {
 public:
  explicit MainLayout(FileHistory& history);

  // Everything at the window's scale.
  void Create(HWND window, COLORREF colour);
  // The window moved to `dpi` and its children were scaled: the fonts are made again for it.
  void ChangeScale(const Form& window, int dpi);
  // Switches between the layouts and fits everything to the window's client area.
  void Apply(bool full);
  // The start-up title covers the whole client area, above every other component.
  void CoverWithTitle() const;
  void UncoverTitle() const { PanelOPEN.Hide(); }

  // The input fields whose colour follows the BackColor switch.
  std::array<HWND, 6> InputControls() const;
  bool IsInputControl(HWND control) const;

  HFONT Font() const { return font_.Get(); }

  // Fonts first: every component below uses them and goes before them. Made at the window's
  // scale.
  FontHandle font_;        // "System", -13
  FontHandle boldFont_;    // ColorBtn_SZ
  FontHandle typeFont_;    // Panel_Type, Panel_Type2
  FontHandle titleFont_;   // PanelOPEN

  Panel Panel_Top;
  Panel Panel_Left;
  TColorBtn ColorBtn1;
  CheckBox CheckBox1;
  Label Label_IX, Label_IY;
  Panel Panel_Icon;
  OwnerDrawnComboBox ComboBox_Icon, ComboBox_Select, ComboBox_DEFAULT, ComboBox_Arrow;
  Panel Panel_Type;
  Panel Panel_SLIM;
  TColorBtn ColorBtn2;
  CheckBox CheckBox2;
  Panel Panel_Type2;
  SizeBar sizeBar;
  ScrollBox ScrollBox1;
  Panel PanelOPEN;

 private:
  void MakeFonts(int dpi);
  void Panel_LeftResize() const;
  void Panel_TopResize() const;

  HWND window_ = nullptr;
  FileHistory& history_;
};
