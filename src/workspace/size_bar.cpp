#include "workspace/size_bar.h"

#include "ui/dpi.h"

void SizeBar::Create(HWND parent, const Bounds& bounds, COLORREF colour, HFONT font, HFONT boldFont) {
  SetFonts(font, boldFont);
  const DpiScale scale = ScaleOf(parent);
  Panel_SIZE.Create(parent, bounds);
  Panel_SIZE.SetColour(colour);
  const HWND bar = Panel_SIZE.Handle();
  ColorBtn_Load.Create(bar, {0, 0, scale(75), bounds.height}, "ｶｰｿﾙﾛｰﾄﾞ");
  EditSize.Create(bar, {scale(83), 0, scale(100), bounds.height}, font, true);
  ColorBtn_SZ.Create(bar, {0, 0, scale(75), bounds.height}, "");
  ColorBtn_SZ.SetColour(RGB(255, 0, 0));
  ColorBtn_SZ.SetFontColour(RGB(255, 255, 255));
  ColorBtn_SZ.SetFont(boldFont);
  ColorBtn_SZ.Hide();
  ComboBox_Icon_File.Create(bar, scale(Bounds{0, 0, 300, 300}), scale(15));
  ComboBox_Icon_File.Hide();
}

void SizeBar::Arrange(bool full, int height) const {
  ColorBtn_Load.SetShown(full);
  const Bounds load = ColorBtn_Load.GetBounds();
  EditSize.SetBounds({full ? load.Right() + ScaleOf(Panel_SIZE.Handle())(8) : 0, 0, EditSize.GetBounds().width, height});
  ColorBtn_Load.SetBounds({load.left, 0, load.width, height});
}

void SizeBar::ShowText(const std::string& text) const {
  const Bounds edit = EditSize.GetBounds();
  EditSize.SetBounds({edit.left, edit.top, TextWidth(font_, text) + ScaleOf(Panel_SIZE.Handle())(10), edit.height});
  EditSize.SetText(text);
}

void SizeBar::BeginEntry(const std::string& widthSample, const std::string& buttonCaption,
                         const std::string& initialText) const {
  ShowText(widthSample);
  ColorBtn_SZ.SetCaption(buttonCaption);
  EditSize.SetText(initialText);
  const Bounds edit = EditSize.GetBounds();
  ColorBtn_SZ.SetBounds(
      {edit.Right(), edit.top, TextWidth(boldFont_, buttonCaption) + ScaleOf(Panel_SIZE.Handle())(10), edit.height});
  ColorBtn_SZ.Show();
  EditSize.SetReadOnly(false);
  SetFocus(EditSize.Handle());
}

void SizeBar::EndEntry(const std::string& restoredText) const {
  ColorBtn_SZ.Hide();
  EditSize.SetReadOnly(true);
  ShowText(restoredText);
}
