#pragma once
#include <string>

#include "dialogs/color_btn.h"
#include "ui/controls.h"
#include "ui/panel.h"

// The size bar Panel_SIZE at the bottom of Panel_Top: EditSize shows the picture's position and
// size (and takes a value while the value entry is on, confirmed by ColorBtn_SZ), ColorBtn_Load
// loads a cursor, ComboBox_Icon_File holds the cursor history.
class SizeBar {
 public:
  // The fonts belong to the main window and outlive the bar.
  void Create(HWND parent, const Bounds& bounds, COLORREF colour, HFONT font, HFONT boldFont);
  // The fonts it measures with, made again when the window's scale changes.
  void SetFonts(HFONT font, HFONT boldFont) {
    font_ = font;
    boldFont_ = boldFont;
  }

  int EditHeight() const { return EditSize.Height(); }
  // Full layout: EditSize right of ColorBtn_Load; slim layout: EditSize at the left, no load button.
  void Arrange(bool full, int height) const;

  // EditSize's text at the text's width + 10 (what LabelWidth measures).
  void ShowText(const std::string& text) const;
  std::string Text() const { return EditSize.Text(); }

  // The value entry: EditSize sized for `widthSample`, editable and holding `initialText`, with
  // the keyboard in it, and ColorBtn_SZ with its caption right of it; EndEntry puts the bar
  // back with `restoredText`.
  void BeginEntry(const std::string& widthSample, const std::string& buttonCaption,
                  const std::string& initialText) const;
  void EndEntry(const std::string& restoredText) const;

  Panel Panel_SIZE;
  EditBox EditSize;
  TColorBtn ColorBtn_Load;
  TColorBtn ColorBtn_SZ;
  OwnerDrawnComboBox ComboBox_Icon_File;

 private:
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
};
