#include "msgbox/mk_box.h"

#include "common/decimal.h"
#include "msgbox/box_pictures.h"
#include "msgbox/work_area_probe.h"
#include "ui/application.h"
#include "ui/child_control.h"
#include "ui/dpi.h"

namespace {

constexpr UINT CountDownInterval = 1000;
constexpr UINT PaintDelay = 200;
constexpr COLORREF PureRed = RGB(255, 0, 0);

Size TextExtent(HFONT font, const std::string& text) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.Get(), font);
  RECT r{0, 0, 0, 0};
  DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

// The memo wants CR LF line ends.
std::string WithCarriageReturns(const std::string& text) {
  std::string result;
  for (char c : text) {
    if (c == '\n') result += '\r';
    result += c;
  }
  return result;
}

void Place(const WindowView& control, const Bounds& b, bool visible) {
  control.SetBounds(b);
  control.SetShown(visible);
}

}  // namespace

TMKBox::TMKBox()
    : colour_(GetSysColor(COLOR_BTNFACE)),
      fontColour_(GetSysColor(COLOR_BTNTEXT)),
      Timer1(*this, CountDownInterval, [this] { Timer1Timer(); }),
      Timer_Paint(*this, PaintDelay, [this] { Timer_PaintTimer(); }) {}

TMKBox::~TMKBox() = default;

void TMKBox::TakeMainWindowColours() {
  if (const Form* main = Form::FromHandle(Application::MainWindow()); main && main != this) {
    colour_ = main->Colour();
    fontColour_ = main->FontColour();
  }
}

bool TMKBox::Build(const MKBoxRequest& request) {
  RegisterWindowClass(ClassName);
  HWND owner = request.source ? request.source : Application::MainWindow();
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  // Created over its owner, so that it has the owner's scale from the start.
  const Bounds over = owner ? WindowView(owner).GetBounds() : Bounds{};
  if (!CreateWindowOfClass(ClassName, "", style, exStyle, {over.left, over.top, 423, 251}, owner)) return false;
  TakeMainWindowColours();
  const DpiScale scale = ScaleOf(Handle());
  font_ = MakeFont("System", -13, scale.Dpi());
  countText_ = request.countText;

  // Msg measures the text; Label_TM its longest count.
  MessageBoxMeasures measures;
  measures.text = TextExtent(font_.Get(), request.text);
  measures.fontHeight = -13;
  measures.countLabel = TextExtent(font_.Get(), countText_ + "秒");
  measures.dpi = scale.Dpi();
  const MessageBoxLayout layout = LayOutMessageBox(measures, request.kind, request.countDown, request.timeoutAnswer);
  art_ = request.kind == MessageBoxKind::YesNo ? QuestionPicture() : InformationPicture();
  picture_ = ArtAtSize(art_, scale(Size{art_.width, art_.height}));

  const Size frame = FrameSizeFor(layout.client);
  SetBounds({over.left, over.top, frame.width, frame.height});
  picturePosition_ = layout.picture;

  MemoMsg = CreateChildWindow({"EDIT", WithCarriageReturns(request.text), ES_MULTILINE | ES_READONLY, 0, Handle(),
                                layout.memo, font_.Get()});
  Label_TM = CreateChildWindow({"STATIC", countText_ + "秒", SS_RIGHT | SS_NOPREFIX, 0, Handle(),
                                {layout.countLabel.x, layout.countLabel.y, measures.countLabel.width,
                                 measures.countLabel.height},
                                font_.Get(), !request.countDown});

  // The resume button lies beneath the pause button: created first, then covered.
  Btn_TM_OPEN.Create(Handle(), layout.resume, "ｶｳﾝﾄ再開");
  Btn_TM_STOP.Create(Handle(), layout.pause, "一時停止");
  Btn_OK.Create(Handle(), layout.ok, "ＯＫ");
  Btn_Yes.Create(Handle(), layout.yes, "はい");
  Btn_No.Create(Handle(), layout.no, "いいえ");
  Btn_TM_OPEN.OnClick = [this] { Btn_TM_OPENClick(); };
  Btn_TM_STOP.OnClick = [this] { Btn_TM_STOPClick(); };
  Btn_OK.OnClick = [this] { EndModal(AnswerOk); };
  Btn_Yes.OnClick = [this] { EndModal(AnswerYes); };
  Btn_No.OnClick = [this] { EndModal(AnswerNo); };
  Place(Btn_TM_OPEN, layout.resume, request.pausePair && request.countDown);
  Place(Btn_TM_STOP, layout.pause, request.pausePair && request.countDown);
  SetWindowPos(Btn_TM_STOP.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Place(Btn_OK, layout.ok, layout.showOk);
  Place(Btn_Yes, layout.yes, layout.showYesNo);
  Place(Btn_No, layout.no, layout.showYesNo);
  Btn_OK.SetDefault(layout.showOk);
  Btn_Yes.SetDefault(layout.showYesNo);
  Btn_No.SetCancel(layout.showYesNo);

  Label_Select.Create(Handle(), layout.marker);
  markerShown_ = layout.showMarker;
  ShowWindow(Label_Select.Handle(), markerShown_ ? SW_SHOW : SW_HIDE);

  // Hints as in the main window: the switch is the application's.
  hints_.Add(Label_Select.Handle(), "タイムアウト、デフォルト値");
  hints_.Add(MemoMsg, "右クリックで、コピーできます☆");

  PlaceDialog(Handle(), request.source);
  SetCaption(request.title.empty() ? Application::Title() : request.title);
  Timer1.SetEnabled(request.countDown);
  return true;
}

void TMKBox::DpiChanged(int oldDpi, int newDpi) {
  Form::DpiChanged(oldDpi, newDpi);
  FontHandle old = std::move(font_);
  font_ = MakeFont("System", -13, newDpi);
  ReplaceFont(old.Get(), font_.Get());
  picturePosition_ = {Rescale(picturePosition_.x, oldDpi, newDpi), Rescale(picturePosition_.y, oldDpi, newDpi)};
  picture_ = ArtAtSize(art_, DpiScale(newDpi)(Size{art_.width, art_.height}));
  shownPicture_ = {};
  DrawPicture();
}

void TMKBox::FormPaint() {
  TakeMainWindowColours();
  Label_Select.SetColour(colour_ == PureRed ? RGB(0, 0, 255) : PureRed);
  Timer_Paint.SetEnabled(true);
}

void TMKBox::FormShow() {
  DrawPicture();
  SetForegroundWindow(Handle());
  // Nothing focused: Enter goes to the default button.
  SetFocus(Handle());
}

void TMKBox::Timer_PaintTimer() {
  Timer_Paint.SetEnabled(false);
  DrawPicture();
}

void TMKBox::DrawPicture() {
  const Pixel background = MakePixel(GetRValue(colour_), GetGValue(colour_), GetBValue(colour_));
  PixelBuffer picture = WithBlackReplaced(picture_, background);
  if (picture == shownPicture_) return;
  shownPicture_ = std::move(picture);
  const RECT area{picturePosition_.x, picturePosition_.y, picturePosition_.x + shownPicture_.width,
                  picturePosition_.y + shownPicture_.height};
  InvalidateRect(Handle(), &area, FALSE);
}

void TMKBox::Timer1Timer() {
  if (tickBusy_) return;
  tickBusy_ = true;
  Application::ProcessMessages();
  if (!countRead_) {
    remaining_ = ParseDecimal(countText_).value_or(0);
    countRead_ = true;
  }
  --remaining_;
  SetWindowTextA(Label_TM, (ToDecimal(remaining_) + "秒").c_str());
  if (remaining_ < 1) {
    Timer1.SetEnabled(false);
    EndModal(AnswerTimedOut);
  }
  tickBusy_ = false;
}

void TMKBox::Btn_TM_STOPClick() {
  ShowWindow(Btn_TM_STOP.Handle(), SW_HIDE);
  Timer1.SetEnabled(false);
}

void TMKBox::Btn_TM_OPENClick() {
  ShowWindow(Btn_TM_STOP.Handle(), SW_SHOW);
  SetWindowPos(Btn_TM_STOP.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Timer1.SetEnabled(true);
}

bool TMKBox::HandleDialogKey(const MSG& message) { return TColorBtn::HandleDialogKey(Handle(), message); }

LRESULT TMKBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(Handle(), &area);
      BrushHandle background(CreateSolidBrush(colour_));
      FillRect(reinterpret_cast<HDC>(wParam), &area, background.Get());
      return 1;
    }
    case WM_PAINT: {
      FormPaint();
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      if (!shownPicture_.Empty()) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), shownPicture_.width, -shownPicture_.height, 1, 32, BI_RGB};
        SetDIBitsToDevice(dc, picturePosition_.x, picturePosition_.y, shownPicture_.width, shownPicture_.height, 0, 0,
                          0, shownPicture_.height, shownPicture_.pixels.data(), &info, DIB_RGB_COLORS);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, colour_);
      SetTextColor(dc, fontColour_);
      SetDCBrushColor(dc, colour_);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_CLOSE:
      EndModal(AnswerClosed);
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
