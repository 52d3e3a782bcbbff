// Capture types, the delay, the size bar's value entry and the capture run.
#include <exception>
#include <utility>

#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/setting_captions.h"
#include "capture/capture_captions.h"
#include "capture/capture_rectangle.h"
#include "capture/window_queries.h"
#include "common/decimal.h"
#include "ui/application.h"

namespace {

constexpr UINT NoDelayIntervalMs = 300;
// The controls and menus that wait while the size bar takes a value.
constexpr const char* ValueEntryMenus[] = {"MFile0", "MPIKTO0", "MTm0", "MOption0", "M_GAMEN0"};

std::string RangeText(const Bounds& b) {
  return ToDecimal(b.left) + ", " + ToDecimal(b.top) + ", " + ToDecimal(b.width) + ", " + ToDecimal(b.height);
}

}  // namespace

void MainWindow::StartCapture() {
  EmptyCursorPreview();
  picture_.Working().Clear();
  picture_.RefreshPicture();
  Hide();
  const int seconds = DelaySeconds(settings_.timerIndex);
  timer1_.SetInterval(seconds > 0 ? static_cast<UINT>(seconds) * 1000 : NoDelayIntervalMs);
  // Showing and hiding once more makes sure the window is gone from the screen the copy reads.
  Show();
  UpdateWindow(Handle());
  Hide();
  timer1_.SetEnabled(true);
}

void MainWindow::Timer1Timer() {
  timer1_.SetEnabled(false);
  Application::ProcessMessages();
  ShowSizeText(CaptureSizeLabel);

  Picture& captured = picture_.Scratch(0);
  captured.Clear();
  const Point pointer = ReadPointerPosition();
  const auto type = static_cast<CaptureType>(settings_.captureType);
  CaptureArea area;
  try {
    area = DetermineCaptureArea(type, QueryCaptureScene(type, Handle(), pointer, settings_.kotei, settings_.leftUp));
  } catch (const std::exception&) {
    mkBoxDlg1_.ShowMsg("メモリー不足です・・・\n取り込みサイズを小さくして下さい☆☆☆");
    Show();
    return;
  }
  if (area.invalidRange) mkBoxDlg1_.ShowMsgTimed(InvalidRangeMessage(*area.invalidRange), 1);
  captureFill_ = std::move(area.fill);
  const Bounds& rectangle = area.rectangle;

  Application::ProcessMessages();
  if (!CopyScreen(rectangle, captured)) {
    mkBoxDlg1_.ShowMsg("画面キャプチャーに失敗しました・・・\n\n取り込みサイズ・・・\n" + RangeText(rectangle));
  }
  Application::ProcessMessages();

  if (settings_.autoIn && PointerInCapture(pointer, rectangle)) {
    const Point at{pointer.x - rectangle.left - cursor_.hotSpot.x, pointer.y - rectangle.top - cursor_.hotSpot.y};
    StampCursor(captured, cursor_.andMask, cursor_.xorColour, at, cursor_.combineWithOr);
  }

  Hide();
  EmptyCursorPreview();
  picture_.Working() = std::move(captured);
  picture_.RefreshPicture();
  if (!picture_.SetBaseFromWorking()) mkBoxDlg1_.ShowMsg("画面の表示に失敗しました・・・");

  ShowSizeText(CaptureSizeText(rectangle));
  picture_.ResetPictureScroll();
  timerVisible_.SetEnabled(true);
}

void MainWindow::GType0Click(int type) {
  SelectCaptureType(type);
  StartCapture();
}

void MainWindow::SelectCaptureType(int type) {
  settings_.captureType = type;
  CheckIndexEntry(menu_, CaptureTypeEntries, type);
  UpdateCaptureCaptions();
  ShowCaptureTypeOnPanels();
}

void MainWindow::UpdateCaptureCaptions() {
  const CaptureCaptions captions = CaptureCaptionsFor(menu_.Checked("GType5"), DelaySeconds(settings_.timerIndex));
  menu_.SetCaption("MPIKTO", captions.command);
  colorBtn1_.SetCaption(captions.button);
  colorBtn2_.SetCaption(captions.button);
}

void MainWindow::TM0Click(int delayIndex) {
  settings_.timerIndex = delayIndex;
  CheckIndexEntry(menu_, DelayEntries, delayIndex);
  UpdateCaptureCaptions();
}

void MainWindow::MGET_FORM_SIZEClick() {
  settings_.kotei = GetBounds();
  menu_.SetCaption("GType5", FixedRectangleCaption(settings_.kotei));
  GType0Click(static_cast<int>(CaptureType::Fixed));
}

void MainWindow::MGET_MOUSE_POINTERClick() {
  settings_.autoIn = !settings_.autoIn;
  menu_.SetChecked("MGET_MOUSE_POINTER", settings_.autoIn);
}

void MainWindow::MGET_NONClick() {
  settings_.capcherGousei = !settings_.capcherGousei;
  menu_.SetChecked("MGET_NON", settings_.capcherGousei);
  menu_.SetEnabled("MGET_GOUSEI", settings_.capcherGousei);
  GType0Click(static_cast<int>(CaptureType::WindowWithOwner));
}

void MainWindow::MGET_GOUSEIClick() {
  settings_.gouseiM1 = !settings_.gouseiM1;
  menu_.SetChecked("MGET_GOUSEI", settings_.gouseiM1);
  GType0Click(static_cast<int>(CaptureType::WindowWithOwner));
}

void MainWindow::MGET_LEFTClick(ValueEntryMode mode) {
  valueEntry_ = mode;
  valueEntryRememberedText_ = editSize_.Text();
  ShowSizeText(ValueEntryWidthSample);
  const std::string caption = ValueEntryButtonCaption(mode);
  colorBtnSz_.SetCaption(caption);
  editSize_.SetText(ValueEntryInitialText(mode, settings_));
  const Bounds edit = EditSizeBounds();
  colorBtnSz_.SetBounds({edit.Right(), edit.top, TextWidth(boldFont_.Get(), caption) + 10, edit.height});
  colorBtnSz_.Show();
  SetValueEntryControlsEnabled(false);
  editSize_.SetReadOnly(false);
  SetFocus(editSize_.Handle());
  UpdateWindow(Handle());
}

void MainWindow::ColorBtn_SZClick() {
  if (!valueEntry_) return;
  const ValueEntryResult result = ConfirmValueEntry(*valueEntry_, editSize_.Text());
  if (const auto* error = std::get_if<ValueEntryError>(&result)) {
    mkBoxDlg1_.ShowMsg(error->message);
    return;
  }
  if (const auto* jpeg = std::get_if<JpegQualityEntered>(&result)) {
    settings_.jpgQuality = jpeg->quality;
    menu_.SetCaption("MJPG_COMP", JpegQualityCaption(jpeg->quality));
    mkBoxDlg1_.ShowMsg(JpegQualitySetMessage(jpeg->quality));
    LeaveValueEntry();
  } else if (const auto* centre = std::get_if<CentreCorrectionEntered>(&result)) {
    settings_.centre = centre->centre;
    settings_.hoseiOn = true;
    menu_.SetCaption("MG_HOSEI", CentreCorrectionCaption(centre->centre));
    menu_.SetChecked("MG_HOSEI", true);
    LeaveValueEntry();
  } else if (const auto* topLeft = std::get_if<TopLeftSizeEntered>(&result)) {
    settings_.leftUp = topLeft->size;
    menu_.SetCaption("GType7", TopLeftSizeCaption(topLeft->size));
    LeaveValueEntry();
    GType0Click(static_cast<int>(CaptureType::TopLeftSize));
  }
}

void MainWindow::LeaveValueEntry() {
  valueEntry_.reset();
  colorBtnSz_.Hide();
  editSize_.SetReadOnly(true);
  ShowSizeText(valueEntryRememberedText_);
  SetValueEntryControlsEnabled(true);
}

void MainWindow::SetValueEntryControlsEnabled(bool enabled) {
  // ColorBtn2 too: in the slim layout it is the capture button.
  for (HWND control : {colorBtn1_.Handle(), colorBtn2_.Handle(), colorBtnLoad_.Handle()}) {
    EnableWindow(control, enabled ? TRUE : FALSE);
  }
  for (const char* menu : ValueEntryMenus) menu_.SetEnabled(menu, enabled);
  DrawMenuBar(Handle());
}
