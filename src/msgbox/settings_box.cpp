#include "msgbox/settings_box.h"

#include "msgbox/work_area_probe.h"
#include "ui/application.h"

bool SettingsBox::CreateBox(const char* className, Size client, HWND owner) {
  if (!CreateDialogWindow(className, client, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                          WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, owner ? owner : Application::MainWindow())) {
    return false;
  }
  MakeFormFont("ＭＳ Ｐゴシック", -12);
  return true;
}

void SettingsBox::SetAnswerButtons(TColorBtn& confirm, std::function<void()> onConfirm, TColorBtn& cancel,
                                   std::initializer_list<TColorBtn*> others) {
  confirm.SetDefault(true);
  confirm.OnClick = std::move(onConfirm);
  cancel.SetCancel(true);
  cancel.OnClick = [this] { EndModal(Cancelled); };
  for (TColorBtn* button : {&confirm, &cancel}) button->SetFont(font_.Get());
  for (TColorBtn* button : others) button->SetFont(font_.Get());
}

void SettingsBox::FinishBox(bool standardColor, const std::string& caption, HWND source) {
  SetStandardColor(standardColor);
  PlaceDialog(Handle(), source);
  SetCaption(caption);
}

int SettingsBox::RunBox() {
  const int result = ShowModal();
  Hide();
  if (HWND main = Application::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  return result;
}
