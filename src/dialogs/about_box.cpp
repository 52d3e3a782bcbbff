#include "dialogs/about_box.h"

#include <shellapi.h>

#include "dialogs/about_texts.h"
#include "msgbox/work_area_probe.h"
#include "ui/application.h"
#include "ui/child_control.h"

namespace {

constexpr Size ClientArea{413, 299};
constexpr int TextLeft = 80;
constexpr int LineWidth = 305;
constexpr int LineHeight = 18;

}  // namespace

bool TAboutBoxDlg::Execute() const {
  bool result = false;
  {
    TAboutBox box;
    if (box.Build(*this)) {
      result = box.ShowModal() == AnswerOk;
      box.Hide();
    }
  }
  if (HWND main = Application::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  return result;
}

LRESULT RaisedPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Panel::OnMessage(message, wParam, lParam);
  if (message == WM_PAINT) {
    WindowDc dc(Handle());
    RECT area;
    GetClientRect(Handle(), &area);
    DrawEdge(dc.Get(), &area, BDR_RAISEDOUTER, BF_RECT);
  }
  return result;
}

TAboutBox::TAboutBox() : colour_(GetSysColor(COLOR_BTNFACE)), fontColour_(GetSysColor(COLOR_BTNTEXT)) {}

void TAboutBox::TakeMainWindowColours() {
  if (const Form* main = Form::FromHandle(Application::MainWindow()); main && main != this) {
    colour_ = main->Colour();
    fontColour_ = main->FontColour();
  }
}

bool TAboutBox::Build(const TAboutBoxDlg& texts) {
  RegisterWindowClass(ClassName);
  HWND owner = texts.SourceHandle ? texts.SourceHandle : Application::MainWindow();
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
  RECT frame{0, 0, ClientArea.width, ClientArea.height};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  if (!CreateWindowOfClass(ClassName, "", style, exStyle, {0, 0, frame.right - frame.left, frame.bottom - frame.top},
                           owner)) {
    return false;
  }
  PlaceDialog(Handle(), texts.SourceHandle);
  TakeMainWindowColours();
  font_ = MakeFont("System", -13);

  Panel1.Create(Handle(), {8, 8, 397, 242});
  Panel1.SetColour(colour_);
  HWND panel = Panel1.Handle();
  ProgramIcon = CreateChildWindow({"STATIC", "", SS_ICON, 0, panel, {16, 16, 32, 32}});
  SendMessageA(ProgramIcon, STM_SETICON,
               reinterpret_cast<WPARAM>(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))), 0);
  ProductName.Create(panel, {TextLeft, 16, LineWidth, LineHeight}, ProductNameLabel(texts.ProductName), font_.Get());
  Version.Create(panel, {TextLeft, 40, LineWidth, LineHeight}, "Version " + texts.Version, font_.Get());
  PeriodLabel.Create(panel, {TextLeft, 64, LineWidth, LineHeight}, ::PeriodLabel(texts.PeriodText), font_.Get());
  Comments.Create(panel, {16, 104, 60, LineHeight}, "コメント", font_.Get());
  Comment0.Create(panel, {TextLeft, 104, LineWidth, LineHeight}, texts.Comment0, font_.Get());
  Comment1.Create(panel, {TextLeft, 126, LineWidth, LineHeight}, texts.Comment1, font_.Get());
  Comment2.Create(panel, {TextLeft, 148, LineWidth, LineHeight}, texts.Comment2, font_.Get());
  ColorBtn2.Create(panel, {TextLeft, 196, 110, 25}, "HOME PAGE");
  ColorBtn3.Create(panel, {TextLeft + 122, 196, 170, 25}, "by QUILOSOFT 宛メール");
  ColorBtn1.Create(Handle(), {(ClientArea.width - 75) / 2, 262, 75, 25}, "Ｏ Ｋ");
  ColorBtn1.SetDefault(true);
  ColorBtn1.OnClick = [this] { EndModal(AnswerOk); };
  ColorBtn2.OnClick = [this] { ColorBtn2Click(); };
  ColorBtn3.OnClick = [this] { ColorBtn3Click(); };

  // The hints follow the main window's switch, which is the application's.
  hints_.Add(panel, "バージョン情報");
  hints_.Add(ProgramIcon, "アイコン");
  hints_.Add(ProductName.Handle(), "よろしくね☆");
  hints_.Add(Version.Handle(), "バージョン番号");
  hints_.Add(PeriodLabel.Handle(), "制作者");
  hints_.Add(ColorBtn3.Handle(), "製作者へ、メールを出す");
  hints_.Add(ColorBtn1.Handle(), "バージョン情報の終了");

  MKBoxDlg1.SourceHandle = Handle();
  SetCaption(AboutCaption(texts.Title, Application::Title()));
  return true;
}

bool TAboutBox::Open(const std::string& address) const {
  const auto started = reinterpret_cast<INT_PTR>(
      ShellExecuteA(Handle(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return started > 32;
}

void TAboutBox::ColorBtn2Click() {
  // The first address, and the second when the first was not wanted; "no" to it ends the offer.
  for (const char* address : HomePageAddresses) {
    if (MKBoxDlg1.AskYesNoTimed(HomePageQuestion(address), AnswerYes) != AnswerYes) continue;
    if (Open(address)) {
      EndModal(AnswerOk);
    } else {
      MKBoxDlg1.ShowMsgTimed("インターネットアクセスツールが、設定されていません・・・", AnswerOk);
    }
    return;
  }
}

void TAboutBox::ColorBtn3Click() {
  if (Open(std::string("mailto:") + MailAddress)) {
    EndModal(AnswerOk);
  } else {
    MKBoxDlg1.ShowMsgTimed("インターネットメールソフトが設定されていません・・・", AnswerOk);
  }
}

bool TAboutBox::HandleDialogKey(const MSG& message) { return TColorBtn::HandleDialogKey(Handle(), message); }

LRESULT TAboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      TakeMainWindowColours();
      Panel1.SetColour(colour_);
      RECT area;
      GetClientRect(Handle(), &area);
      BrushHandle background(CreateSolidBrush(colour_));
      FillRect(reinterpret_cast<HDC>(wParam), &area, background.Get());
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, colour_);
      SetTextColor(dc, fontColour_);
      SetDCBrushColor(dc, colour_);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_SHOWWINDOW:
      if (wParam && !shown_) {
        shown_ = true;
        PostMessageA(Handle(), WM_APP, 0, 0);  // after the window is on the screen
      }
      return DefaultMessage(message, wParam, lParam);
    case WM_APP:
      SetForegroundWindow(Handle());
      return 0;
    case WM_CLOSE:
      EndModal(AnswerClosed);
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
