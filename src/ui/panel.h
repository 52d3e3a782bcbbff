#pragma once
#include <string>

#include "ui/form.h"
#include "ui/handles.h"

// A flat child area with a background colour and an optional caption drawn in its own font.
// Other controls may sit on it.
class Panel : public Form {
 public:
  enum class Alignment { Centre, Left };

  bool Create(HWND parent, const Bounds& bounds, const std::string& caption = std::string());

  void SetColour(COLORREF colour);
  COLORREF Colour() const { return colour_; }
  void SetFontColour(COLORREF colour);
  // The caption's font (also WM_SETFONT); it belongs to the form that composes the panel and
  // outlives it.
  void SetFont(HFONT font);
  void SetAlignment(Alignment alignment);
  void SetSingleBorder(bool on);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  HFONT CaptionFont() const;

  COLORREF colour_ = GetSysColor(COLOR_BTNFACE);
  COLORREF fontColour_ = GetSysColor(COLOR_BTNTEXT);
  HFONT font_ = nullptr;
  Alignment alignment_ = Alignment::Centre;
  bool singleBorder_ = false;
};

// The width of one line of text in the font (null: the GUI font), as the screen draws it.
int TextWidth(HFONT font, const std::string& text);
// The height of a line of text in the font (null: the GUI font), ascent and descent.
int FontLineHeight(HFONT font);
