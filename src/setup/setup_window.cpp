#include "setup/setup_window.h"

#include "browser/dir2open_dlg.h"
#include "common/decimal.h"
#include "common/program_identity.h"
#include "setup/install_rules.h"
#include "setup/program_group.h"
#include "setup/setup_texts.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/panel.h"
#include "ui/registry.h"

namespace {

constexpr Size ClientArea{456, 171};
constexpr Bounds SetButtonPlace{262, 140, 90, 25};
constexpr ColourValue QuiloGreen = 0x008000;
constexpr ColourValue White = 0xFFFFFF;
// The window's font.
constexpr const char* TextFace = "System";
constexpr int TextHeight = -13;

COLORREF ResolveColour(ColourValue colour) {
  return IsSystemColour(colour) ? GetSysColor(SystemColourIndex(colour)) : static_cast<COLORREF>(colour) & 0xFFFFFF;
}

// A stored switch: a non-zero decimal number ticks it; empty, missing or no number counts as 0.
bool StoredSwitch(const std::optional<RegistryKey>& key, const char* name) {
  const auto value = key ? key->ReadString(name) : std::nullopt;
  const auto number = value ? ParseDecimal(*value) : std::nullopt;
  return number && *number != 0;
}

}  // namespace

SetupWindow::SetupWindow(SetupMode mode, std::vector<std::string> arguments)
    : mode_(mode),
      arguments_(std::move(arguments)),
      colour_(SystemColourValue(COLOR_BTNFACE)),
      fontColour_(SystemColourValue(COLOR_WINDOWTEXT)),
      Timer1(*this, 500, [this] { Timer1Timer(); }),
      Timer2(*this, 500, [this] { Timer2Timer(); }),
      Timer3(*this, 1000, [this] { Timer3Timer(); }),
      TimerErOut(*this, 1000, [this] { TimerErOutTimer(); }) {}

COLORREF SetupWindow::Colour() const { return ResolveColour(colour_); }
COLORREF SetupWindow::FontColour() const { return ResolveColour(fontColour_); }

bool SetupWindow::Create() {
  RegisterWindowClass(ClassName, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  if (!CreateWindowOfClass(ClassName, ProgramTitle, style, WS_EX_TOPMOST,
                           {0, 0, ClientArea.width, ClientArea.height}, nullptr)) {
    return false;
  }
  const Size frame = FrameSizeFor(ScaleOf(Handle())(ClientArea));
  SetBounds({0, 0, frame.width, frame.height});
  Application::SetMainWindow(Handle());
  SetProgramIcons();
  FormCreate();
  return true;
}

void SetupWindow::CreateControls() {
  const HWND self = Handle();
  const DpiScale scale = ScaleOf(self);
  font_ = MakeFont(TextFace, TextHeight, scale.Dpi());
  const HFONT font = font_.Get();
  const std::string program = ProgramFileName;
  // The labels get at least a line of their font (ui/dpi.h).
  const int designLine = DesignLineHeight(TextFace, TextHeight);
  Label1.Create(self, LineBounds(scale, {8, 10, 300, 16}, designLine, font), program + "を置くフォルダーの設定：", font);
  Button4.Create(self, scale(Bounds{382, 4, 66, 23}), "初期値");
  Button4.OnClick = [this] { Button4Click(); };
  Edit1.Create(self, scale(Bounds{8, 30, 368, 23}), font, false);
  Button1.Create(self, scale(Bounds{382, 30, 66, 23}), "参照");
  Button1.OnClick = [this] { Button1Click(); };
  Label2.Create(self, LineBounds(scale, {8, 62, 300, 16}, designLine, font), program + "を登録するグループの選択：",
                font);
  ComboBox1.Create(self, scale(Bounds{8, 82, 368, 200}), font, true);
  CheckBoxST.Create(self, scale(Bounds{8, 112, 360, 20}), "スタートアップグループにも、アイコンを登録する。", font);
  CheckBoxBkColor.Create(self, scale(Bounds{8, 142, 100, 20}), "標準色", font);
  CheckBoxBkColor.onClick = [this] { CheckBoxBkColorClick(); };
  QUILO_COLOR.Create(self, scale(Bounds{120, 142, 100, 20}), "QUILO色", font);
  QUILO_COLOR.onClick = [this] { QUILO_COLORClick(); };
  QUILO_COLOR.Hide();
  // 設定中 lies beneath 設定 and shows in its place while an installation runs.
  Button5.Create(self, scale(SetButtonPlace), "設定中");
  Button5.Hide();
  Button3.Create(self, scale(SetButtonPlace), "設定");
  Button3.SetDefault(true);
  Button3.OnClick = [this] { Button3Click(); };
  Button3.BringToTop();
  Button2.Create(self, scale(Bounds{358, 140, 90, 25}), "中止");
  Button2.SetCancel(true);
  Button2.OnClick = [this] { Button2Click(); };

  hints_.Add(Edit1.Handle(), "登録するフォルダーの設定");
  hints_.Add(Button1.Handle(), "既に存在するフォルダーから選択する時");
  hints_.Add(Button4.Handle(), "初期値に戻す");
  hints_.Add(ComboBox1.Handle(), "登録グループ名を選びます");
  hints_.Add(Button3.Handle(), "現在の設定値で登録する");
  hints_.Add(Button2.Handle(), "インスツールを中止します");
  hints_.Refresh();
}

void SetupWindow::FormCreate() {
  {
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath);
    const bool standard = StoredSwitch(key, "BackColor");
    const bool quilo = StoredSwitch(key, "QUILO_COLOR");
    // The hidden uninstall window has its controls too: the colour box decides the colours
    // handed to the helper.
    CreateControls();
    CheckBoxBkColor.SetChecked(standard);
    QUILO_COLOR.SetChecked(quilo);
    if (quilo) QUILO_COLORClick();
    CheckBoxBkColorClick();
  }
  versionCaption_ = VersionCaption(Application::Title(), ProgramVersion);

  // Centred on the screen.
  const Bounds own = GetBounds();
  SetBounds({(GetSystemMetrics(SM_CXSCREEN) - own.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - own.height) / 2,
             own.width, own.height});

  if (mode_ != SetupMode::Install) {
    // The uninstall flows stay hidden; only their timers and messages act.
    const std::string caption = versionCaption_ + " 削除";
    SetCaption(caption);
    Application::SetTitle(caption);
    Timer& timer = mode_ == SetupMode::Uninstall         ? Timer1
                   : mode_ == SetupMode::UninstallHelper ? Timer2
                                                         : TimerErOut;
    timer.SetEnabled(true);
    return;
  }
  const std::string caption = versionCaption_ + " 登録";
  SetCaption(caption);
  Application::SetTitle(caption);
  Show();
  Application::ProcessMessages();
  proposedFolder_ = DefaultInstallFolder(WindowsFolder(), ProgramBaseName);
  if (const auto key = RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath)) {
    const std::string stored = key->ReadString("EXEPATH").value_or("");
    if (!stored.empty()) proposedFolder_ = stored;
    previousGroup_ = key->ReadString("Group").value_or("");
  }
  Edit1.SetText(proposedFolder_);
  // What the user types at once replaces the proposal.
  SendMessageA(Edit1.Handle(), EM_SETSEL, 0, -1);
  Application::ProcessMessages();
  // Closed meanwhile: nothing is left to fill.
  if (!IsWindow(Handle())) return;
  DdeClientConv1Open();
  Redraw();
}

void SetupWindow::DdeClientConv1Open() {
  const auto groups = ProgramGroupNames();
  if (!groups) {
    MKBoxDlg1.ShowMsg("グループ名の取得に失敗しました・・・");
    return;
  }
  const std::vector<std::string> box = OrderInstallGroups(*groups);
  ComboBox1.SetItems(box);
  ComboBox1.Select(static_cast<int>(PreselectedGroup(box, previousGroup_)));
}

// Closing is always allowed.
void SetupWindow::FormCloseQuery() { ScreenCursor::SetBusy(false); }

void SetupWindow::FormPaint() {
  if (QUILO_COLOR.Checked()) return;
  colour_ = SystemColourValue((GetSysColor(COLOR_WINDOWTEXT) & 0xFFFFFF) != 0 ? COLOR_WINDOW : COLOR_BTNFACE);
}

LRESULT SetupWindow::FieldColours(HDC dc) {
  const COLORREF back = CheckBoxBkColor.Checked() ? GetSysColor(COLOR_WINDOW) : Colour();
  SetBkColor(dc, back);
  SetTextColor(dc, CheckBoxBkColor.Checked() ? GetSysColor(COLOR_WINDOWTEXT) : FontColour());
  SetDCBrushColor(dc, back);
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void SetupWindow::Button1Click() {
  TDIR2OPENDLG browser;
  browser.StandardColor = CheckBoxBkColor.Checked();
  browser.Title = "登録先";
  browser.Directory = Edit1.Text();
  browser.SourceHandle = Handle();
  if (browser.SelectFolder() == 1 && !browser.Directory.empty()) Edit1.SetText(browser.Directory);
  SetFocus(Edit1.Handle());
}

void SetupWindow::Button2Click() { EndWithMessage("登録を中止します。"); }

void SetupWindow::Button4Click() {
  Edit1.SetText(proposedFolder_);
  SetFocus(Edit1.Handle());
}

// Each box unticks the other as a click would, so the other's colours go with it.
void SetupWindow::CheckBoxBkColorClick() {
  HourglassGuard hourglass;
  if (CheckBoxBkColor.Checked() && QUILO_COLOR.Checked()) {
    QUILO_COLOR.SetChecked(false);
    QUILO_COLORClick();
  }
  InvalidateRect(Edit1.Handle(), nullptr, TRUE);
  InvalidateRect(ComboBox1.Handle(), nullptr, TRUE);
}

void SetupWindow::QUILO_COLORClick() {
  HourglassGuard hourglass;
  if (QUILO_COLOR.Checked()) {
    colour_ = QuiloGreen;
    fontColour_ = White;
    if (CheckBoxBkColor.Checked()) {
      CheckBoxBkColor.SetChecked(false);
      CheckBoxBkColorClick();
    }
  } else {
    colour_ = SystemColourValue(COLOR_BTNFACE);
    fontColour_ = SystemColourValue(COLOR_WINDOWTEXT);
  }
  // The labels and boxes take the colours when they paint again.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SetupWindow::TimerErOutTimer() {
  TimerErOut.SetEnabled(false);
  EndWithMessage("アンインストールえらー：ソフトが起動中です。\n終了しないとアンインストール出来ません。");
}

void SetupWindow::EndWithMessage(const std::string& text) {
  MKBoxDlg1.ShowMsg(text);
  Redraw();
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

bool SetupWindow::HandleDialogKey(const MSG& message) { return TColorBtn::HandleDialogKey(Handle(), message); }

void SetupWindow::DpiChanged(int oldDpi, int newDpi) {
  Form::DpiChanged(oldDpi, newDpi);
  const FontHandle old = std::move(font_);
  font_ = MakeFont(TextFace, TextHeight, newDpi);
  ReplaceFont(old.Get(), font_.Get());
}

LRESULT SetupWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      FormPaint();
      RECT client;
      GetClientRect(Handle(), &client);
      SetDCBrushColor(reinterpret_cast<HDC>(wParam), Colour());
      FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return FieldColours(reinterpret_cast<HDC>(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, Colour());
      SetTextColor(dc, FontColour());
      SetDCBrushColor(dc, Colour());
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_ACTIVATE:
      // The focus comes back where it was, the first time into the folder box, so what the user
      // types at once goes there.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focus_.Remember(Handle());
      } else if (!HIWORD(wParam)) {
        focus_.Restore(Handle(), Edit1.Handle());
        return 0;
      }
      return DefaultMessage(message, wParam, lParam);
    case WM_CLOSE:
      FormCloseQuery();
      return DefaultMessage(message, wParam, lParam);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
