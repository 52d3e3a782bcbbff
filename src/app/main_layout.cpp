#include "app/main_layout.h"

#include <algorithm>

#include "common/program_identity.h"
#include "ui/dpi.h"

namespace {

constexpr COLORREF Aqua = RGB(0, 255, 255);
constexpr int ButtonHeight = 25;
constexpr int DesignTopHeight = 97;
constexpr Bounds CheckBox1Design{8, 40, 97, 17};
// The window's font.
constexpr const char* TextFace = "System";
constexpr int TextHeight = -13;
constexpr Size PanelTypeSize{204, 25};
constexpr Bounds PanelSlimDesign{0, 0, 427, 30};
constexpr int PreviewSide = 32 + 6;  // Panel_Icon: the preview + 6
constexpr int ListItemHeight = 16;
constexpr int PreviewTop = 2;

}  // namespace

MainLayout::MainLayout(FileHistory& history) : history_(history) {}

void MainLayout::MakeFonts(int dpi) {
  font_ = MakeFont(TextFace, TextHeight, dpi);
  boldFont_ = MakeFont(TextFace, TextHeight, dpi, true);
  typeFont_ = MakeFont("System", -12, dpi);
  titleFont_ = MakeFont("ＭＳ Ｐゴシック", -93, dpi, true, true);
}

void MainLayout::ChangeScale(const Form& window, int dpi) {
  const FontHandle oldFonts[] = {std::move(font_), std::move(boldFont_), std::move(typeFont_), std::move(titleFont_)};
  MakeFonts(dpi);
  const HFONT newFonts[] = {font_.Get(), boldFont_.Get(), typeFont_.Get(), titleFont_.Get()};
  for (std::size_t i = 0; i < std::size(newFonts); ++i) window.ReplaceFont(oldFonts[i].Get(), newFonts[i]);
  sizeBar.SetFonts(font_.Get(), boldFont_.Get());
  for (OwnerDrawnComboBox* list : {&ComboBox_Icon, &ComboBox_Select, &ComboBox_DEFAULT, &ComboBox_Arrow}) {
    list->SetItemHeight(DpiScale(dpi)(ListItemHeight));
  }
}

void MainLayout::Create(HWND window, COLORREF colour) {
  window_ = window;
  const DpiScale scale = ScaleOf(window);
  MakeFonts(scale.Dpi());
  const Size client = WindowView(window).ClientSize();
  const auto panel = [&](Panel& p, HWND parent, const Bounds& b) {
    p.Create(parent, b);
    p.SetColour(colour);
  };
  const auto typePanel = [&](Panel& p, HWND parent, const Bounds& b) {
    panel(p, parent, b);
    p.SetSingleBorder(true);
    p.SetAlignment(Panel::Alignment::Left);
    p.SetFont(typeFont_.Get());
  };

  const int topHeight = scale(DesignTopHeight);
  panel(Panel_Top, window, {0, 0, client.width, topHeight});
  panel(Panel_Left, Panel_Top.Handle(), {0, 0, client.width, scale(76)});
  const HWND left = Panel_Left.Handle();
  ColorBtn1.Create(left, scale(Bounds{-4, 8, 107, ButtonHeight}), "取り込み(&G)");
  // These texts get at least a line of their font (ui/dpi.h); the second hot-spot label stays 2
  // pixels below the first.
  const int designLine = DesignLineHeight(TextFace, TextHeight);
  CheckBox1.Create(left, LineBounds(scale, CheckBox1Design, designLine, font_.Get()), "TOPにする", font_.Get());
  const Bounds ix = LineBounds(scale, {106, 8, 18, 14}, designLine, font_.Get());
  Label_IX.Create(left, ix, "00", font_.Get(), SS_RIGHT);
  Label_IY.Create(left, {ix.left, ix.Bottom() + scale(2), ix.width, ix.height}, "00", font_.Get(), SS_RIGHT);
  panel(Panel_Icon, left, scale(Bounds{128, PreviewTop, PreviewSide, PreviewSide}));
  Panel_Icon.SetSingleBorder(true);
  // The cursor lists follow the preview, each 4 pixels right of the one before, level with it:
  // as high as the preview, they end where the type panel below them begins.
  int listLeft = 128 + PreviewSide + 4;
  for (auto [list, width] : {std::pair{&ComboBox_Icon, 50}, {&ComboBox_Select, 60}, {&ComboBox_DEFAULT, 60},
                             {&ComboBox_Arrow, 50}}) {
    list->Create(left, scale(Bounds{listLeft, PreviewTop, width, 200}), scale(ListItemHeight));
    listLeft += width + 4;
  }
  typePanel(Panel_Type, left, {0, 0, scale(PanelTypeSize.width), scale(PanelTypeSize.height)});

  panel(Panel_SLIM, Panel_Top.Handle(), scale(PanelSlimDesign));
  ColorBtn2.Create(Panel_SLIM.Handle(), scale(Bounds{4, 4, 109, ButtonHeight}), "取り込み(&G)");
  CheckBox2.Create(Panel_SLIM.Handle(), scale(Bounds{128, 4, 97, 21}), "TOPにする", font_.Get());
  typePanel(Panel_Type2, Panel_SLIM.Handle(), scale(Bounds{226, 0, 201, 30}));
  Panel_SLIM.Hide();

  // EditSize's sunken frame is 2 pixels above and below its line.
  Bounds bar = LineBounds(scale, {0, 76, 0, 21}, designLine, font_.Get(), 4);
  bar.width = client.width;
  sizeBar.Create(Panel_Top.Handle(), bar, colour, font_.Get(), boldFont_.Get());

  ScrollBox1.Create(window, {0, topHeight, client.width, client.height - topHeight});
  ScrollBox1.SetColour(colour);

  history_.Create(window, {0, 0, client.width, topHeight}, colour, font_.Get());

  PanelOPEN.Create(window, {0, 0, client.width, client.height}, ProgramTitle);
  PanelOPEN.SetColour(Aqua);
  PanelOPEN.SetFontColour(RGB(0, 0, 0));
  PanelOPEN.SetFont(titleFont_.Get());
}

void MainLayout::CoverWithTitle() const {
  const Size client = WindowView(window_).ClientSize();
  PanelOPEN.SetBounds({0, 0, client.width, client.height});
  // Made last, it would lie beneath the panels that cover the client area.
  PanelOPEN.BringToTop();
  PanelOPEN.Show();
}

void MainLayout::Apply(bool full) {
  const DpiScale scale = ScaleOf(window_);
  const Size client = WindowView(window_).ClientSize();
  const int sizeHeight = sizeBar.Panel_SIZE.Height();
  const int topHeight = full ? CheckBox1.GetBounds().Bottom() + sizeHeight + scale(8)
                              : scale(PanelSlimDesign.height) + sizeHeight + scale(4);
  Panel_Left.SetShown(full);
  Panel_SLIM.SetShown(!full);
  sizeBar.Arrange(full, sizeHeight);

  Panel_Top.SetBounds({0, 0, client.width, topHeight});
  Panel_Left.SetBounds({0, 0, client.width, topHeight - sizeHeight});
  sizeBar.Panel_SIZE.SetBounds({0, topHeight - sizeHeight, client.width, sizeHeight});
  ScrollBox1.SetBounds({0, topHeight, client.width, std::max(0, client.height - topHeight)});
  Panel_LeftResize();
  Panel_TopResize();
  if (PanelOPEN.Visible()) CoverWithTitle();
}

void MainLayout::Panel_LeftResize() const {
  const Size left = Panel_Left.ClientSize();
  const Size type = ScaleOf(window_)(PanelTypeSize);
  Panel_Type.SetBounds({left.width - type.width, left.height - type.height, type.width, type.height});
}

void MainLayout::Panel_TopResize() const {
  const Bounds size = sizeBar.Panel_SIZE.GetBounds();
  history_.Fit(size.width, size.Bottom());
}

std::array<HWND, 6> MainLayout::InputControls() const {
  return {sizeBar.EditSize.Handle(), sizeBar.ComboBox_Icon_File.Handle(), ComboBox_Icon.Handle(),
          ComboBox_Select.Handle(),  ComboBox_DEFAULT.Handle(),           ComboBox_Arrow.Handle()};
}

bool MainLayout::IsInputControl(HWND control) const {
  const auto inputs = InputControls();
  return std::any_of(inputs.begin(), inputs.end(),
                     [control](HWND input) { return control == input || GetParent(control) == input; });
}
