#pragma once
#include <optional>
#include <string>

#include "dialogs/color_btn.h"
#include "msgbox/mk_box_dlg.h"
#include "msgbox/settings_box.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "workspace/numbered_series.h"

// Where and how the numbered series saves.
struct SeriesChoice {
  std::string folder;
  std::string stem;
  SeriesFormat format = SeriesFormat::Png;
};

// The modal box of 連番保存の設定: the folder (typed, or chosen with 参照 in the folder browser),
// the stem the four digits follow and the format. 設定 takes an existing folder and a stem a file
// name can carry.
class SeriesBox : public SettingsBox {
 public:
  static constexpr const char* ClassName = "TSeriesBox";

  // `jpegSettings`: what a JPEG is saved with ("圧縮率 90％").
  static std::optional<SeriesChoice> Ask(const SeriesChoice& current, const std::string& jpegSettings,
                                         bool standardColor);

 protected:
  HWND FirstFocus() const override { return Edit_Folder.Handle(); }

 private:
  bool Build(const SeriesChoice& current, const std::string& jpegSettings, bool standardColor);
  SeriesChoice Chosen() const;
  void Button_BrowseClick();
  void Button_SetClick();

  Label Label_Folder;
  EditBox Edit_Folder;
  TColorBtn Button_Browse;
  Label Label_Stem;
  EditBox Edit_Stem;
  Label Label_Digits;
  Label Label_Format;
  ComboBox ComboBox_Format;
  Label Label_Jpeg;
  TColorBtn Button_Set, Button_Cancel;
  TMKBoxDlg MKBoxDlg1;
  bool standardColor_ = true;
};
