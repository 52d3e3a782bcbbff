#include "capture/capture_commands.h"

#include <utility>

#include "capture/capture_captions.h"
#include "capture/capture_rectangle.h"
#include "capture/window_queries.h"
#include "common/decimal.h"
#include "ui/application.h"
#include "workspace/main_menu.h"
#include "workspace/setting_captions.h"

namespace {

constexpr UINT NoDelayIntervalMs = 300;

std::string RangeText(const Bounds& b) {
  return ToDecimal(b.left) + ", " + ToDecimal(b.top) + ", " + ToDecimal(b.width) + ", " + ToDecimal(b.height);
}

}  // namespace

CaptureCommands::CaptureCommands(Workspace& workspace, MainWindowServices& window, CaptureControls controls)
    : workspace_(workspace),
      window_(window),
      controls_(controls),
      Timer1(window.Window(), NoDelayIntervalMs, [this] { Timer1Timer(); }) {
  controls_.ColorBtn1.OnClick = [this] { MPIKTOClick(); };
  controls_.ColorBtn2.OnClick = [this] { MPIKTOClick(); };
}

void CaptureCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MPIKTO0", [this] { MPIKTO0Click(); });
  commands.Bind("MPIKTO", [this] { MPIKTOClick(); });
  commands.Bind("MGET_FORM_SIZE", [this] { MGET_FORM_SIZEClick(); });
  commands.Bind("MGET_NON", [this] { MGET_NONClick(); });
  commands.Bind("MGET_GOUSEI", [this] { MGET_GOUSEIClick(); });
  commands.Bind("MGET_MOUSE_POINTER", [this] { MGET_MOUSE_POINTERClick(); });
  for (int type = 0; type < CaptureTypeCount; ++type) {
    commands.Bind(CaptureTypeEntries[type], [this, type] { GType0Click(type); });
  }
  for (int delay = 0; delay < DelayCount; ++delay) {
    commands.Bind(DelayEntries[delay], [this, delay] { TM0Click(delay); });
  }
}

void CaptureCommands::ShowSettings() {
  const MainSettings& s = workspace_.settings;
  MenuTree& menu = window_.Menu();
  for (int index = 1; index < DelayCount; ++index) menu.SetCaption(DelayEntries[index], DelayEntryCaption(index));
  menu.SetChecked("MGET_MOUSE_POINTER", s.autoIn);
  CheckIndexEntry(menu, DelayEntries, s.timerIndex);
  menu.SetCaption("GType7", TopLeftSizeCaption(s.leftUp));
  menu.SetCaption("GType5", FixedRectangleCaption(s.kotei));
  CheckIndexEntry(menu, CaptureTypeEntries, s.captureType);
  menu.SetChecked("MGET_GOUSEI", s.gouseiM1);
  menu.SetChecked("MGET_NON", s.capcherGousei);
  menu.SetEnabled("MGET_GOUSEI", s.capcherGousei);
  ShowCaptureType();
  MPIKTO0Click();
}

void CaptureCommands::StartCapture(HWND activeWindow) {
  pending_ = true;
  activeWindow_ = activeWindow;
  window_.HideForWork();
  // The working picture is emptied; its bitmap waits as the captured bitmap, which the copy
  // reuses when the size has not changed.
  workspace_.picture.Scratch(0) = std::move(workspace_.picture.Working());
  window_.RefreshPicture();
  const int seconds = DelaySeconds(workspace_.settings.timerIndex);
  Timer1.SetInterval(seconds > 0 ? static_cast<UINT>(seconds) * 1000 : NoDelayIntervalMs);
  // Showing and hiding once more makes sure the window is gone from the screen the copy reads.
  const Form& form = window_.Window();
  form.Show();
  UpdateWindow(form.Handle());
  form.Hide();
  Timer1.SetEnabled(true);
}

void CaptureCommands::Timer1Timer() {
  Timer1.SetEnabled(false);
  // However the run ends, the window may be shown again afterwards.
  struct PendingEnd {
    bool& pending;
    ~PendingEnd() { pending = false; }
  } pendingEnd{pending_};
  Application::ProcessMessages();
  window_.ShowSizeText(CaptureSizeLabel);

  Picture& captured = workspace_.picture.Scratch(0);
  const Point pointer = ReadPointerPosition();
  const MainSettings& s = workspace_.settings;
  const auto type = static_cast<CaptureType>(s.captureType);
  CaptureArea area;
  try {
    area = DetermineCaptureArea(
        type, QueryCaptureScene(type, window_.Window().Handle(), pointer, s.kotei, s.leftUp, activeWindow_));
  } catch (const std::bad_alloc&) {
    captured.Clear();
    window_.ShowMsg("メモリー不足です・・・\n取り込みサイズを小さくして下さい☆☆☆");
    window_.Window().Show();
    return;
  }
  if (area.invalidRange) window_.ShowMsgTimed(InvalidRangeMessage(*area.invalidRange), 1);
  workspace_.captureFill = std::move(area.fill);
  const Bounds& rectangle = area.rectangle;

  Application::ProcessMessages();
  if (!CopyScreen(rectangle, captured)) {
    window_.ShowMsg("画面キャプチャーに失敗しました・・・\n\n取り込みサイズ・・・\n" + RangeText(rectangle));
  }
  Application::ProcessMessages();

  const CurrentCursor& cursor = workspace_.cursor;
  if (s.autoIn && PointerInCapture(pointer, rectangle)) {
    const Point at{pointer.x - rectangle.left - cursor.hotSpot.x, pointer.y - rectangle.top - cursor.hotSpot.y};
    StampCursor(captured, cursor.andMask, cursor.xorColour, at, cursor.combineWithOr);
  }

  window_.HideForWork();
  workspace_.picture.Working() = std::move(captured);
  if (!workspace_.picture.SetBaseFromWorking()) window_.ShowMsg("画面の表示に失敗しました・・・");
  window_.ShowNewPicture(CaptureSizeText(rectangle));
  if (onCaptured) onCaptured();
}

void CaptureCommands::GType0Click(int type) {
  workspace_.settings.captureType = type;
  CheckIndexEntry(window_.Menu(), CaptureTypeEntries, type);
  MPIKTO0Click();
  ShowCaptureType();
  MPIKTOClick();
}

void CaptureCommands::MPIKTO0Click() {
  const CaptureCaptions captions =
      CaptureCaptionsFor(window_.Menu().Checked("GType5"), DelaySeconds(workspace_.settings.timerIndex));
  window_.Menu().SetCaption("MPIKTO", captions.command);
  controls_.ColorBtn1.SetCaption(captions.button);
  controls_.ColorBtn2.SetCaption(captions.button);
}

void CaptureCommands::ShowCaptureType() {
  const std::string caption = window_.Menu().Caption(CaptureTypeEntries[workspace_.settings.captureType]);
  controls_.Panel_Type.SetCaption(caption);
  controls_.Panel_Type2.SetCaption(caption);
}

void CaptureCommands::TM0Click(int delayIndex) {
  workspace_.settings.timerIndex = delayIndex;
  CheckIndexEntry(window_.Menu(), DelayEntries, delayIndex);
  MPIKTO0Click();
}

void CaptureCommands::MGET_FORM_SIZEClick() {
  workspace_.settings.kotei = window_.Window().GetBounds();
  window_.Menu().SetCaption("GType5", FixedRectangleCaption(workspace_.settings.kotei));
  GType0Click(static_cast<int>(CaptureType::Fixed));
}

void CaptureCommands::MGET_MOUSE_POINTERClick() {
  bool& on = workspace_.settings.autoIn;
  on = !on;
  window_.Menu().SetChecked("MGET_MOUSE_POINTER", on);
}

void CaptureCommands::MGET_NONClick() {
  bool& on = workspace_.settings.capcherGousei;
  on = !on;
  window_.Menu().SetChecked("MGET_NON", on);
  window_.Menu().SetEnabled("MGET_GOUSEI", on);
  GType0Click(static_cast<int>(CaptureType::WindowWithOwner));
}

void CaptureCommands::MGET_GOUSEIClick() {
  bool& on = workspace_.settings.gouseiM1;
  on = !on;
  window_.Menu().SetChecked("MGET_GOUSEI", on);
  GType0Click(static_cast<int>(CaptureType::WindowWithOwner));
}
