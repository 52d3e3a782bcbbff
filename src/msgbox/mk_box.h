#pragma once
#include <string>

#include "common/pixels.h"
#include "dialogs/color_btn.h"
#include "msgbox/message_box_layout.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/hints.h"
#include "ui/panel.h"
#include "ui/timer.h"

// Answers of the box; 11 (count-down ended) never leaves the box component.
inline constexpr int AnswerOk = 1;
inline constexpr int AnswerClosed = 2;
inline constexpr int AnswerYes = 6;
inline constexpr int AnswerNo = 7;
inline constexpr int AnswerTimedOut = 11;

// What one box shows.
struct MKBoxRequest {
  MessageBoxKind kind = MessageBoxKind::Ok;
  std::string text;
  bool countDown = false;
  bool pausePair = false;
  std::string countText = "0";  // the seconds to count down from
  int timeoutAnswer = 0;
  std::string title;            // empty: the application title
  HWND source = nullptr;        // centred on it; null: the main window
};

// The modal message box window TMKBox.
class TMKBox : public Form {
 public:
  static constexpr const char* ClassName = "TMKBox";

  TMKBox();
  ~TMKBox() override;
  // Builds, sizes and places the box; false when it could not be created.
  bool Build(const MKBoxRequest& request);

  COLORREF Colour() const override { return colour_; }
  COLORREF FontColour() const override { return fontColour_; }
  HFONT Font() const override { return font_.Get(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleDialogKey(const MSG& message) override;
  void FormShow() override;
  void DpiChanged(int oldDpi, int newDpi) override;

 private:
  void FormPaint();
  void Timer1Timer();
  void Timer_PaintTimer();
  void DrawPicture();
  void Btn_TM_STOPClick();
  void Btn_TM_OPENClick();
  void TakeMainWindowColours();

  FontHandle font_;
  COLORREF colour_;
  COLORREF fontColour_;
  PixelBuffer art_;            // Image_MK or Image_YN as designed
  PixelBuffer picture_;        // the same at the box's scale
  PixelBuffer shownPicture_;   // what Image_Box shows
  Point picturePosition_;
  bool markerShown_ = false;

  HWND MemoMsg = nullptr;
  HWND Label_TM = nullptr;
  Panel Label_Select;
  TColorBtn Btn_TM_OPEN, Btn_TM_STOP, Btn_OK, Btn_Yes, Btn_No;
  Timer Timer1;
  Timer Timer_Paint;
  Hints hints_;

  std::string countText_;      // TMCountS
  int remaining_ = 0;
  bool countRead_ = false;
  bool tickBusy_ = false;
};
