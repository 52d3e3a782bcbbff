// The main window's composition, its two layouts and its window-level switches.
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/program_constants.h"
#include "app/position_hint.h"
#include "ui/application.h"

namespace {

constexpr COLORREF Aqua = RGB(0, 255, 255);
constexpr int ButtonHeight = 25;
constexpr Bounds CheckBox1Design{8, 40, 97, 17};
constexpr Size PanelTypeSize{204, 25};
constexpr Bounds PanelSlimDesign{0, 0, 427, 30};
constexpr int PreviewSide = 32 + 6;  // Panel_Icon: the preview + 6

int HeightOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

Bounds BoundsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Move(HWND window, const Bounds& b) {
  SetWindowPos(window, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetShown(HWND window, bool shown) { ShowWindow(window, shown ? SW_SHOW : SW_HIDE); }

}  // namespace

void MainWindow::CreateComponents() {
  const Size client = ClientSize();
  const COLORREF colour = Colour();
  const auto panel = [&](Panel& p, HWND parent, const Bounds& b, const std::string& caption = std::string()) {
    p.Create(parent, b, caption);
    p.SetColour(colour);
  };

  panel(panelTop_, Handle(), {0, 0, client.width, 97});
  panel(panelLeft_, panelTop_.Handle(), {0, 0, client.width, 76});
  colorBtn1_.Create(panelLeft_.Handle(), {-4, 8, 107, ButtonHeight}, "取り込み(&G)");
  colorBtn1_.OnClick = [this] { StartCapture(); };
  checkBox1_.Create(panelLeft_.Handle(), CheckBox1Design, "TOPにする", font_.Get());
  labelIx_.Create(panelLeft_.Handle(), {106, 8, 18, 14}, "00", SS_RIGHT);
  labelIy_.Create(panelLeft_.Handle(), {106, 24, 18, 14}, "00", SS_RIGHT);
  panel(panelIcon_, panelLeft_.Handle(), {128, 2, PreviewSide, PreviewSide});
  panelIcon_.SetSingleBorder(true);
  comboBoxIcon_.Create(panelLeft_.Handle(), {0, 8, 50, 200}, 16);
  comboBoxSelect_.Create(panelLeft_.Handle(), {0, 8, 60, 200}, 16);
  comboBoxDefault_.Create(panelLeft_.Handle(), {0, 8, 60, 200}, 16);
  comboBoxArrow_.Create(panelLeft_.Handle(), {0, 8, 50, 200}, 16);
  // The cursor lists follow the preview, each 4 pixels right of the one before.
  int left = 128 + PreviewSide + 4;
  for (HWND list : {comboBoxIcon_.Handle(), comboBoxSelect_.Handle(), comboBoxDefault_.Handle(), comboBoxArrow_.Handle()}) {
    const Bounds b = BoundsOf(list);
    Move(list, {left, b.top, b.width, b.height});
    left += b.width + 4;
  }
  panel(panelType_, panelLeft_.Handle(), {0, 0, PanelTypeSize.width, PanelTypeSize.height});
  panelType_.SetSingleBorder(true);
  panelType_.SetAlignment(Panel::Alignment::Left);
  panelType_.SetFont(MakeFont("System", -12));

  panel(panelSlim_, panelTop_.Handle(), PanelSlimDesign);
  colorBtn2_.Create(panelSlim_.Handle(), {4, 4, 109, ButtonHeight}, "取り込み(&G)");
  colorBtn2_.OnClick = [this] { StartCapture(); };
  checkBox2_.Create(panelSlim_.Handle(), {128, 4, 97, 21}, "TOPにする", font_.Get());
  panel(panelType2_, panelSlim_.Handle(), {226, 0, 201, 30});
  panelType2_.SetSingleBorder(true);
  panelType2_.SetAlignment(Panel::Alignment::Left);
  panelType2_.SetFont(MakeFont("System", -12));
  SetShown(panelSlim_.Handle(), false);

  panel(panelSize_, panelTop_.Handle(), {0, 76, client.width, 21});
  colorBtnLoad_.Create(panelSize_.Handle(), {0, 0, 75, 21}, "ｶｰｿﾙﾛｰﾄﾞ");
  editSize_.Create(panelSize_.Handle(), {83, 0, 100, 21}, font_.Get(), true);
  colorBtnSz_.Create(panelSize_.Handle(), {0, 0, 75, 21}, "");
  colorBtnSz_.SetColour(RGB(255, 0, 0));
  colorBtnSz_.SetFontColour(RGB(255, 255, 255));
  colorBtnSz_.SetFont(boldFont_.Get());
  colorBtnSz_.OnClick = [this] { ColorBtn_SZClick(); };
  SetShown(colorBtnSz_.Handle(), false);
  comboBoxIconFile_.Create(panelSize_.Handle(), {0, 0, 300, 300}, 15);
  SetShown(comboBoxIconFile_.Handle(), false);

  scrollBox1_.Create(Handle(), {0, 97, client.width, client.height - 97});
  scrollBox1_.SetColour(colour);
  picture_.Attach();

  panel(panelFhis_, Handle(), {0, 0, client.width, 97});
  SetShown(panelFhis_.Handle(), false);
  const Size fhisClient = panelFhis_.ClientSize();
  listBoxFhis_.Create(panelFhis_.Handle(), {0, 0, fhisClient.width, fhisClient.height});
  labelFhisKosu_.Create(panelFhis_.Handle(), {0, 0, 40, 16}, "0ｺ");

  panelOpen_.Create(Handle(), {0, 0, client.width, client.height}, ProgramTitle);
  panelOpen_.SetColour(Aqua);
  panelOpen_.SetFontColour(RGB(0, 0, 0));
  panelOpen_.SetFont(MakeFont("ＭＳ Ｐゴシック", -93, true, true));

  for (HWND control : {labelIx_.Handle(), labelIy_.Handle()}) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
  hints_.Add(colorBtn1_.Handle(), "画面を取り込み下部に表示");
  hints_.Add(colorBtn2_.Handle(), "画面を取り込み下部に表示");
  hints_.Add(checkBox1_.Handle(), "ピクトランを常に一番手前に表示");
  hints_.Add(checkBox2_.Handle(), "ピクトランを常に一番手前に表示");
  hints_.Add(Handle(), "");
  ApplyLayout();
}

int MainWindow::EditSizeHeight() const { return HeightOf(editSize_.Handle()); }
Bounds MainWindow::EditSizeBounds() const { return BoundsOf(editSize_.Handle()); }

void MainWindow::ApplyLayout() {
  const bool full = settings_.cursorSet;
  const Size client = ClientSize();
  const int sizeBar = HeightOf(panelSize_.Handle());
  const int topHeight = full ? CheckBox1Design.top + CheckBox1Design.height + sizeBar + 8
                             : PanelSlimDesign.height + sizeBar + 4;
  SetShown(panelLeft_.Handle(), full);
  SetShown(panelSlim_.Handle(), !full);
  SetShown(colorBtnLoad_.Handle(), full);
  const Bounds load = BoundsOf(colorBtnLoad_.Handle());
  const Bounds edit = BoundsOf(editSize_.Handle());
  Move(editSize_.Handle(), {full ? load.left + load.width + 8 : 0, 0, edit.width, sizeBar});
  Move(colorBtnLoad_.Handle(), {load.left, 0, load.width, sizeBar});

  panelTop_.SetBounds({0, 0, client.width, topHeight});
  panelLeft_.SetBounds({0, 0, client.width, topHeight - sizeBar});
  panelSize_.SetBounds({0, topHeight - sizeBar, client.width, sizeBar});
  scrollBox1_.SetBounds({0, topHeight, client.width, std::max(0, client.height - topHeight)});
  Panel_LeftResize();
  Panel_TopResize();
}

void MainWindow::Panel_LeftResize() {
  const Size left = panelLeft_.ClientSize();
  panelType_.SetBounds({left.width - PanelTypeSize.width, left.height - PanelTypeSize.height, PanelTypeSize.width,
                        PanelTypeSize.height});
}

void MainWindow::Panel_TopResize() {
  const Bounds size = panelSize_.GetBounds();
  const Bounds fhis = panelFhis_.GetBounds();
  panelFhis_.SetBounds({fhis.left, fhis.top, size.width, size.top + size.height});
  listBoxFhis_.SetBounds({0, 0, size.width, size.top + size.height});
}

void MainWindow::ShowCaptureTypeOnPanels() {
  const std::string caption = menu_.Caption(CaptureTypeEntries[settings_.captureType]);
  panelType_.SetCaption(caption);
  panelType2_.SetCaption(caption);
}

void MainWindow::FormResize() {
  ApplyLayout();
  if (panelOpen_.Visible()) {
    const Size client = ClientSize();
    panelOpen_.SetBounds({0, 0, client.width, client.height});
  }
  UpdatePositionHint();
  BringWindowToTop(Handle());
}

void MainWindow::FormClick() { UpdatePositionHint(); }

void MainWindow::UpdatePositionHint() { hints_.SetText(Handle(), PositionHint(GetBounds())); }

void MainWindow::ShowSizeText(const std::string& text) {
  const Bounds edit = BoundsOf(editSize_.Handle());
  Move(editSize_.Handle(), {edit.left, edit.top, TextWidth(font_.Get(), text) + 10, edit.height});
  editSize_.SetText(text);
}

int MainWindow::TextWidth(HFONT font, const std::string& text) const {
  WindowDc screen(Handle());
  SelectedObject selected(screen.Get(), font);
  SIZE extent{};
  GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

void MainWindow::ApplyTopMost() {
  SetWindowPos(Handle(), checkBox1_.Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  BringWindowToTop(Handle());
}

void MainWindow::CheckBox1Click(HWND sender) {
  if (sender == checkBox1_.Handle()) {
    checkBox2_.SetChecked(checkBox1_.Checked());
  } else {
    checkBox1_.SetChecked(checkBox2_.Checked());
  }
  settings_.topMost = checkBox1_.Checked();
  ApplyTopMost();
}

std::array<HWND, 6> MainWindow::InputControls() const {
  return {editSize_.Handle(), comboBoxIconFile_.Handle(), comboBoxIcon_.Handle(), comboBoxSelect_.Handle(),
          comboBoxDefault_.Handle(), comboBoxArrow_.Handle()};
}

std::optional<COLORREF> MainWindow::InputColourOf(HWND control) const {
  for (HWND input : InputControls()) {
    if (control == input || GetParent(control) == input) {
      return settings_.backColor ? GetSysColor(COLOR_WINDOW) : Colour();
    }
  }
  return std::nullopt;
}

void MainWindow::ApplyInputColours() {
  HourglassGuard hourglass;
  for (HWND input : InputControls()) {
    InvalidateRect(input, nullptr, TRUE);
  }
}

void MainWindow::BackColorClick() {
  settings_.backColor = !settings_.backColor;
  menu_.SetChecked("BackColor", settings_.backColor);
  ApplyInputColours();
}

void MainWindow::MHELP_MINIClick() {
  HourglassGuard hourglass;
  settings_.miniHelp = !settings_.miniHelp;
  menu_.SetChecked("MHELP_MINI", settings_.miniHelp);
  Application::SetShowHints(settings_.miniHelp);
  hints_.Refresh();
}

void MainWindow::MSet_CursorClick() {
  settings_.cursorSet = !settings_.cursorSet;
  menu_.SetChecked("MSet_Cursor", settings_.cursorSet);
  ApplyLayout();
}

void MainWindow::Timer_VisibleTimer() {
  timerVisible_.SetEnabled(false);
  Show();
  ApplyTopMost();
  timerClip_.SetEnabled(true);
}

// The capture fill and, on screens of 8 bits or less, the clipboard round trip come here.
void MainWindow::Timer_ClipTimer() {
  timerClip_.SetEnabled(false);
  timerIcon_.SetEnabled(true);
}

// The cursor preview is rendered again here.
void MainWindow::Timer_IconTimer() { timerIcon_.SetEnabled(false); }
