#pragma once
#include <functional>
#include <optional>
#include <string>

#include "ui/form.h"

// The program's push button: a panel that behaves like a button but keeps its parent's colour
// and font colour, so buttons follow the program's colour scheme. Pressing darkens it and sinks
// it by one pixel.
class TColorBtn : public Form {
 public:
  static constexpr const char* ClassName = "TColorBtn";

  bool Create(HWND parent, const Bounds& bounds, const std::string& caption);

  std::function<void()> OnClick;
  std::function<void()> OnRightDown;  // a right-button press
  void Click();

  // Enter clicks the button showing as default; Escape clicks a Cancel button.
  void SetDefault(bool value);
  bool Default() const { return default_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Cancel() const { return cancel_; }
  bool ShowingDefault() const { return showingDefault_; }

  // Own colours; setting one turns off taking the parent's.
  void SetColour(COLORREF colour);
  void SetFontColour(COLORREF colour);
  void SetParentColour(bool on);
  void SetFont(HFONT font) { font_ = font; Repaint(); }

  // What the button shows now.
  COLORREF FaceColour() const;
  COLORREF TextColour() const;
  bool Pressed() const { return pressed_; }
  int BevelWidth() const { return showingDefault_ ? 2 : 1; }

  // The caption's accelerator character (after "&"), upper-cased; 0 when there is none.
  char Accelerator() const;

  // Applies the focus rule to every button of a window: when a button has the focus it alone
  // shows as default, otherwise those whose Default is set.
  static void UpdateDefaults(HWND root, HWND focus);

  // The keys a window with these buttons handles for them: Enter, Escape, Tab and the
  // captions' accelerators. True when the key was used up.
  static bool HandleDialogKey(HWND root, const MSG& message);
  static TColorBtn* FromHandle(HWND window);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PressLook(bool byMouse);
  void ReleaseLook();
  void Paint();
  // Its own font, else its form's, else the GUI font at its scale.
  HFONT CaptionFont() const;
  void Repaint() const;
  COLORREF NormalColour() const;
  COLORREF NormalFontColour() const;

  bool default_ = false;
  bool cancel_ = false;
  bool showingDefault_ = false;
  bool parentColour_ = true;
  bool parentFontColour_ = true;
  COLORREF colour_ = 0;
  COLORREF fontColour_ = 0;
  HFONT font_ = nullptr;

  bool pressed_ = false;
  bool tracking_ = false;
  bool leftWhilePressed_ = false;
  COLORREF pressedColour_ = 0;
  COLORREF pressedFontColour_ = 0;
};
