#include "capture/value_entry_commands.h"

#include <variant>

#include "capture/capture_rectangle.h"

#include "workspace/setting_captions.h"

namespace {
// The menus that wait while the size bar takes a value.
constexpr const char* WaitingMenus[] = {"MFile0", "MPIKTO0", "MTm0", "MOption0", "M_GAMEN0"};
}  // namespace

ValueEntryCommands::ValueEntryCommands(Workspace& workspace, MainWindowServices& window, SizeBar& sizeBar,
                                       CaptureCommands& capture, std::array<const WindowView*, 3> waiting)
    : workspace_(workspace), window_(window), sizeBar_(sizeBar), capture_(capture), waiting_(waiting) {
  sizeBar_.ColorBtn_SZ.OnClick = [this] { ColorBtn_SZClick(); };
}

void ValueEntryCommands::Bind(CommandTable& commands) {
  commands.Bind("MGET_LEFT", [this] { MGET_LEFTClick(ValueEntryMode::TopLeftSize); });
  commands.Bind("MG_HOSEI_SET", [this] { MGET_LEFTClick(ValueEntryMode::CentreCorrection); });
  commands.Bind("MJPG_COMP", [this] { MGET_LEFTClick(ValueEntryMode::JpegQuality); });
}

void ValueEntryCommands::MGET_LEFTClick(ValueEntryMode mode) {
  const MainSettings& s = workspace_.settings;
  mode_ = mode;
  rememberedText_ = sizeBar_.Text();
  SetWaitingControlsEnabled(false);
  sizeBar_.BeginEntry(ValueEntryWidthSample, ValueEntryButtonCaption(mode),
                      ValueEntryInitialText(mode, {s.leftUp, s.centre, s.jpgQuality}));
  UpdateWindow(window_.Window().Handle());
}

void ValueEntryCommands::ColorBtn_SZClick() {
  if (!mode_) return;
  MainSettings& s = workspace_.settings;
  MenuTree& menu = window_.Menu();
  const ValueEntryResult result = ConfirmValueEntry(*mode_, sizeBar_.Text());
  if (const auto* error = std::get_if<ValueEntryError>(&result)) {
    window_.ShowMsg(error->message);
  } else if (const auto* jpeg = std::get_if<JpegQualityEntered>(&result)) {
    s.jpgQuality = jpeg->quality;
    menu.SetCaption("MJPG_COMP", JpegQualityCaption(jpeg->quality));
    window_.ShowMsg(JpegQualitySetMessage(jpeg->quality));
    LeaveValueEntry();
  } else if (const auto* centre = std::get_if<CentreCorrectionEntered>(&result)) {
    s.centre = centre->centre;
    s.hoseiOn = true;
    menu.SetCaption("MG_HOSEI", CentreCorrectionCaption(centre->centre));
    menu.SetChecked("MG_HOSEI", true);
    LeaveValueEntry();
    if (onCentreCorrection) onCentreCorrection();
  } else if (const auto* topLeft = std::get_if<TopLeftSizeEntered>(&result)) {
    s.leftUp = topLeft->size;
    menu.SetCaption("GType7", TopLeftSizeCaption(topLeft->size));
    LeaveValueEntry();
    capture_.GType0Click(static_cast<int>(CaptureType::TopLeftSize));
  }
}

void ValueEntryCommands::LeaveValueEntry() {
  mode_.reset();
  sizeBar_.EndEntry(rememberedText_);
  SetWaitingControlsEnabled(true);
}

void ValueEntryCommands::SetWaitingControlsEnabled(bool enabled) {
  // The menus first: a name they lack stops here, before any control has changed.
  window_.Menu().SetEnabled(WaitingMenus, enabled);
  // ColorBtn2 too: in the slim layout it is the capture button.
  for (const WindowView* control : waiting_) control->SetEnabled(enabled);
  DrawMenuBar(window_.Window().Handle());
}
