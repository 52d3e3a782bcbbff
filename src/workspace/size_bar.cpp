#include "workspace/size_bar.h"

#include <algorithm>

void SizeBar::Create(HWND parent, const Bounds& bounds, COLORREF colour, HFONT font, HFONT boldFont) {
  font_ = font;
  boldFont_ = boldFont;
  // As high as EditSize, which holds at least a line of its font inside its sunken frame.
  const int height = std::max(bounds.height, FontLineHeight(font) + 2 * GetSystemMetrics(SM_CYEDGE));
  Panel_SIZE.Create(parent, {bounds.left, bounds.top, bounds.width, height});
  Panel_SIZE.SetColour(colour);
  const HWND bar = Panel_SIZE.Handle();
  ColorBtn_Load.Create(bar, {0, 0, 75, height}, "ｶｰｿﾙﾛｰﾄﾞ");
  EditSize.Create(bar, {83, 0, 100, height}, font, true);
  ColorBtn_SZ.Create(bar, {0, 0, 75, height}, "");
  ColorBtn_SZ.SetColour(RGB(255, 0, 0));
  ColorBtn_SZ.SetFontColour(RGB(255, 255, 255));
  ColorBtn_SZ.SetFont(boldFont);
  ColorBtn_SZ.Hide();
  ComboBox_Icon_File.Create(bar, {0, 0, 300, 300}, 15);
  ComboBox_Icon_File.Hide();
}

void SizeBar::Arrange(bool full, int height) const {
  ColorBtn_Load.SetShown(full);
  const Bounds load = ColorBtn_Load.GetBounds();
  EditSize.SetBounds({full ? load.Right() + 8 : 0, 0, EditSize.GetBounds().width, height});
  ColorBtn_Load.SetBounds({load.left, 0, load.width, height});
}

void SizeBar::ShowText(const std::string& text) const {
  const Bounds edit = EditSize.GetBounds();
  EditSize.SetBounds({edit.left, edit.top, TextWidth(font_, text) + 10, edit.height});
  EditSize.SetText(text);
}

void SizeBar::BeginEntry(const std::string& widthSample, const std::string& buttonCaption,
                         const std::string& initialText) const {
  ShowText(widthSample);
  ColorBtn_SZ.SetCaption(buttonCaption);
  EditSize.SetText(initialText);
  const Bounds edit = EditSize.GetBounds();
  ColorBtn_SZ.SetBounds({edit.Right(), edit.top, TextWidth(boldFont_, buttonCaption) + 10, edit.height});
  ColorBtn_SZ.Show();
  EditSize.SetReadOnly(false);
  SetFocus(EditSize.Handle());
}

void SizeBar::EndEntry(const std::string& restoredText) const {
  ColorBtn_SZ.Hide();
  EditSize.SetReadOnly(true);
  ShowText(restoredText);
}
