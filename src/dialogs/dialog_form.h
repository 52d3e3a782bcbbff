#pragma once
#include "ui/focus_memory.h"
#include "ui/form.h"
#include "ui/handles.h"

// A modal window of the browse and input dialogs: it takes the main window's colour and font
// colour when it paints, gives its edits and lists the field colour, hands the keyboard to a
// control whenever it is activated, lets its TColorBtns take Enter, Escape and Tab (but while a
// dropped list has the focus), runs FormShow once it is on the screen, and closing it answers 2.
class DialogForm : public Form {
 public:
  static constexpr int ClosedResult = 2;

  COLORREF Colour() const override { return colour_; }
  COLORREF FontColour() const override { return fontColour_; }
  HFONT Font() const override { return font_.Get(); }

  // Standard: edits and lists in the system's window colours; otherwise in the window's own.
  void SetStandardColor(bool standard);

 protected:
  DialogForm();
  // A top-level window owned by `owner` with a client area of `client` design units, at the
  // owner's scale (it is made over the owner).
  bool CreateDialogWindow(const char* className, Size client, DWORD style, DWORD exStyle, HWND owner);
  // font_ := the face at the design height, at the window's scale (and again when it changes).
  void MakeFormFont(const char* face, int designHeight);
  void DpiChanged(int oldDpi, int newDpi) override;
  void FormShow() override;
  // The main window's colour and font colour, when it is one of ours.
  void TakeMainWindowColours();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleDialogKey(const MSG& message) override;
  // The control the keyboard serves when the window is activated and none of its controls had
  // the focus before; null leaves the focus with the window.
  virtual HWND FirstFocus() const { return nullptr; }

  FontHandle font_;

 private:
  LRESULT ControlColours(HDC dc, bool field) const;
  FocusMemory focus_;
  const char* fontFace_ = nullptr;
  int fontHeight_ = 0;

  COLORREF colour_;
  COLORREF fontColour_;
  bool standardColor_ = true;
};
