#include "app/about_box.h"

#include <shellapi.h>

#include "app/about_texts.h"
#include "msgbox/work_area_probe.h"
#include "ui/application.h"
#include "ui/child_control.h"
#include "ui/dpi.h"

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

bool TAboutBox::Build(const TAboutBoxDlg& texts) {
  HWND owner = texts.SourceHandle ? texts.SourceHandle : Application::MainWindow();
  if (!CreateDialogWindow(ClassName, ClientArea, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                          WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, owner)) {
    return false;
  }
  PlaceDialog(Handle(), texts.SourceHandle);
  TakeMainWindowColours();
  MakeFormFont("System", -13);
  const DpiScale scale = ScaleOf(Handle());

  Panel1.Create(Handle(), scale(Bounds{8, 8, 397, 242}));
  Panel1.SetColour(Colour());
  HWND panel = Panel1.Handle();
  // The program's icon at the size the system shows icons at this scale (a 32-pixel design).
  const int iconSide = SystemMetric(SM_CXICON, scale.Dpi());
  ProgramIcon = CreateChildWindow({"STATIC", "", SS_ICON, 0, panel, {scale(16), scale(16), iconSide, iconSide}});
  SendMessageA(ProgramIcon, STM_SETICON,
               reinterpret_cast<WPARAM>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, iconSide,
                                                   iconSide, LR_SHARED)),
               0);
  ProductName.Create(panel, scale(Bounds{TextLeft, 16, LineWidth, LineHeight}), ProductNameLabel(texts.ProductName),
                     font_.Get());
  Version.Create(panel, scale(Bounds{TextLeft, 40, LineWidth, LineHeight}), "Version " + texts.Version, font_.Get());
  PeriodLabel.Create(panel, scale(Bounds{TextLeft, 64, LineWidth, LineHeight}), ::PeriodLabel(texts.PeriodText),
                     font_.Get());
  Comments.Create(panel, scale(Bounds{16, 104, 60, LineHeight}), "コメント", font_.Get());
  Comment0.Create(panel, scale(Bounds{TextLeft, 104, LineWidth, LineHeight}), texts.Comment0, font_.Get());
  Comment1.Create(panel, scale(Bounds{TextLeft, 126, LineWidth, LineHeight}), texts.Comment1, font_.Get());
  Comment2.Create(panel, scale(Bounds{TextLeft, 148, LineWidth, LineHeight}), texts.Comment2, font_.Get());
  ColorBtn2.Create(panel, scale(Bounds{TextLeft, 196, 110, 25}), "HOME PAGE");
  ColorBtn3.Create(panel, scale(Bounds{TextLeft + 122, 196, 170, 25}), "by QUILOSOFT 宛メール");
  ColorBtn1.Create(Handle(), scale(Bounds{(ClientArea.width - 75) / 2, 262, 75, 25}), "Ｏ Ｋ");
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

LRESULT TAboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The panel is the box's face: it takes the colour the box took from the main window.
  if (message == WM_ERASEBKGND && Panel1.Colour() != Colour()) Panel1.SetColour(Colour());
  return DialogForm::OnMessage(message, wParam, lParam);
}
