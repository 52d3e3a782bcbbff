#pragma once
#include <functional>
#include <initializer_list>
#include <string>

#include "common/geometry.h"
#include "dialogs/color_btn.h"
#include "dialogs/dialog_form.h"

// A small modal box of settings or input over the main window (ホットキーの設定, 連番保存の設定,
// the input box): top-most, with a caption and a close button, in ＭＳ Ｐゴシック; its confirming
// button takes Enter, its 中止 Escape.
class SettingsBox : public DialogForm {
 public:
  static constexpr int Confirmed = 1;
  static constexpr int Cancelled = 3;

 protected:
  // Made over `owner` (the main window when null) with a client area of `client` design units.
  bool CreateBox(const char* className, Size client, HWND owner = nullptr);
  // `confirm` takes Enter and runs onConfirm; `cancel` takes Escape and ends the box Cancelled.
  // They and `others` show the box's font.
  void SetAnswerButtons(TColorBtn& confirm, std::function<void()> onConfirm, TColorBtn& cancel,
                        std::initializer_list<TColorBtn*> others = {});
  // In its colours and captioned, centred on `source` (the main window when null) inside the
  // work area: ready to show.
  void FinishBox(bool standardColor, const std::string& caption, HWND source = nullptr);
  // Runs the box modally, then hides it; the main window repaints where it stood.
  int RunBox();
};
