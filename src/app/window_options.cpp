#include "app/window_options.h"

#include "app/position_hint.h"
#include "ui/application.h"

WindowOptions::WindowOptions(Workspace& workspace, MainWindowServices& window, MainLayout& layout, Hints& hints)
    : workspace_(workspace), window_(window), layout_(layout), hints_(hints) {
  layout_.CheckBox1.onClick = [this] { CheckBox1Click(layout_.CheckBox1); };
  layout_.CheckBox2.onClick = [this] { CheckBox1Click(layout_.CheckBox2); };
}

void WindowOptions::Bind(CommandTable& commands) {
  commands.Bind("MSet_Cursor", [this] { MSet_CursorClick(); });
  commands.Bind("BackColor", [this] { BackColorClick(); });
  commands.Bind("MHELP_MINI", [this] { MHELP_MINIClick(); });
}

void WindowOptions::ShowSettings() {
  const MainSettings& s = workspace_.settings;
  layout_.CheckBox1.SetChecked(s.topMost);
  layout_.CheckBox2.SetChecked(s.topMost);
  Application::SetShowHints(s.miniHelp);
  hints_.Refresh();
  MenuTree& menu = window_.Menu();
  menu.SetChecked("BackColor", s.backColor);
  menu.SetChecked("MHELP_MINI", s.miniHelp);
  menu.SetChecked("MSet_Cursor", s.cursorSet);
  ApplyInputColours();
  ApplyLayout();
}

void WindowOptions::ApplyTopMost() const {
  HWND window = window_.Window().Handle();
  // A disabled window has a modal dialog of ours open (a re-show timer can fire inside it): the
  // window is only shown, so the dialog stays in front; its end applies the band again.
  if (!IsWindowEnabled(window)) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    return;
  }
  SetWindowPos(window, layout_.CheckBox1.Checked() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  BringWindowToTop(window);
}

void WindowOptions::LeaveTopMost() const {
  SetWindowPos(window_.Window().Handle(), HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void WindowOptions::CheckBox1Click(const CheckBox& sender) {
  const bool on = sender.Checked();
  layout_.CheckBox1.SetChecked(on);
  layout_.CheckBox2.SetChecked(on);
  workspace_.settings.topMost = on;
  ApplyTopMost();
}

std::optional<COLORREF> WindowOptions::InputColourOf(HWND control) const {
  if (!layout_.IsInputControl(control)) return std::nullopt;
  return workspace_.settings.backColor ? GetSysColor(COLOR_WINDOW) : window_.Window().Colour();
}

void WindowOptions::ApplyInputColours() const {
  HourglassGuard hourglass;
  for (HWND input : layout_.InputControls()) InvalidateRect(input, nullptr, TRUE);
}

void WindowOptions::BackColorClick() {
  bool& on = workspace_.settings.backColor;
  on = !on;
  window_.Menu().SetChecked("BackColor", on);
  ApplyInputColours();
}

void WindowOptions::MHELP_MINIClick() {
  HourglassGuard hourglass;
  bool& on = workspace_.settings.miniHelp;
  on = !on;
  window_.Menu().SetChecked("MHELP_MINI", on);
  Application::SetShowHints(on);
  hints_.Refresh();
}

void WindowOptions::MSet_CursorClick() {
  bool& on = workspace_.settings.cursorSet;
  on = !on;
  window_.Menu().SetChecked("MSet_Cursor", on);
  ApplyLayout();
}

void WindowOptions::UpdatePositionHint() {
  hints_.SetText(window_.Window().Handle(), PositionHint(window_.Window().GetBounds()));
}
