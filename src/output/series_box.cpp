#include "output/series_box.h"

#include "browser/dir2open_dlg.h"
#include "common/path_helpers.h"
#include "shell/file_system.h"
#include "ui/dpi.h"

namespace {
// The folder field takes a path of the profile's temporary folder whole.
constexpr Size BoxClient{530, 153};
constexpr Bounds FolderLabelBounds{8, 8, 430, 16};
constexpr Bounds FolderBounds{8, 28, 430, 23};
constexpr Bounds BrowseBounds{444, 27, 78, 25};
constexpr Bounds StemLabelBounds{8, 64, 80, 16};
constexpr Bounds StemBounds{90, 61, 150, 23};
constexpr Bounds DigitsBounds{246, 64, 276, 16};
constexpr Bounds FormatLabelBounds{8, 94, 80, 16};
constexpr Bounds FormatBounds{90, 91, 150, 200};  // with its dropped list
constexpr Bounds JpegBounds{246, 94, 276, 16};
constexpr Bounds SetButtonBounds{354, 120, 80, 25};
constexpr Bounds CancelBounds{442, 120, 80, 25};
// In the order of SeriesFormat.
constexpr const char* FormatNames[] = {"ＰＮＧ (*.PNG)", "ＢＭＰ (*.BMP)", "ＪＰＥＧ (*.JPG)"};
}  // namespace

std::optional<SeriesChoice> SeriesBox::Ask(const SeriesChoice& current, const std::string& jpegSettings,
                                           bool standardColor) {
  SeriesBox box;
  if (!box.Build(current, jpegSettings, standardColor) || box.RunBox() != Confirmed) return std::nullopt;
  return box.Chosen();
}

bool SeriesBox::Build(const SeriesChoice& current, const std::string& jpegSettings, bool standardColor) {
  if (!CreateBox(ClassName, BoxClient)) return false;
  HFONT font = font_.Get();
  const DpiScale scale = ScaleOf(Handle());
  Label_Folder.Create(Handle(), scale(FolderLabelBounds), "保存フォルダー：", font);
  Edit_Folder.Create(Handle(), scale(FolderBounds), font, false);
  Button_Browse.Create(Handle(), scale(BrowseBounds), "参照(&B)");
  Label_Stem.Create(Handle(), scale(StemLabelBounds), "ファイル名：", font);
  Edit_Stem.Create(Handle(), scale(StemBounds), font, false);
  Label_Digits.Create(Handle(), scale(DigitsBounds), "＋ ４桁の番号（0001～9999）", font);
  Label_Format.Create(Handle(), scale(FormatLabelBounds), "形式：", font);
  ComboBox_Format.Create(Handle(), scale(FormatBounds), font);
  ComboBox_Format.SetItems({std::begin(FormatNames), std::end(FormatNames)});
  Label_Jpeg.Create(Handle(), scale(JpegBounds), "ＪＰＥＧは " + jpegSettings, font);
  Button_Set.Create(Handle(), scale(SetButtonBounds), "設定");
  Button_Cancel.Create(Handle(), scale(CancelBounds), "中止");
  SetAnswerButtons(Button_Set, [this] { Button_SetClick(); }, Button_Cancel, {&Button_Browse});
  Button_Browse.OnClick = [this] { Button_BrowseClick(); };
  MKBoxDlg1.SourceHandle = Handle();

  standardColor_ = standardColor;
  Edit_Folder.SetText(RemoveTrailingSeparator(current.folder));
  SendMessageA(Edit_Folder.Handle(), EM_SETSEL, 0, -1);
  Edit_Stem.SetText(current.stem);
  ComboBox_Format.Select(static_cast<int>(current.format));
  FinishBox(standardColor, "連番保存の設定");
  return true;
}

SeriesChoice SeriesBox::Chosen() const {
  const int format = ComboBox_Format.Selected();
  return {AddTrailingSeparator(Edit_Folder.Text()), Edit_Stem.Text(),
          format >= 0 && format < SeriesFormatCount ? static_cast<SeriesFormat>(format) : SeriesFormat::Png};
}

void SeriesBox::Button_BrowseClick() {
  TDIR2OPENDLG browser;
  browser.StandardColor = standardColor_;
  browser.Title = "連番保存";
  browser.Directory = Edit_Folder.Text();
  browser.SourceHandle = Handle();
  if (browser.SelectFolder() == 1 && !browser.Directory.empty()) {
    Edit_Folder.SetText(RemoveTrailingSeparator(browser.Directory));
  }
  SetFocus(Edit_Folder.Handle());
}

void SeriesBox::Button_SetClick() {
  const std::string folder = Edit_Folder.Text();
  const std::string stem = Edit_Stem.Text();
  if (folder.empty() || !FolderExists(folder)) {
    MKBoxDlg1.ShowMsg("保存フォルダーがありません・・・\n" + folder);
    SetFocus(Edit_Folder.Handle());
    return;
  }
  if (!IsUsableSeriesStem(stem)) {
    MKBoxDlg1.ShowMsg("このファイル名は、連番に使えません・・・\n" + stem +
                      "\n\n\\ / : * ? \" < > | を含まず、空白やピリオドで始まったり終わったりしない、"
                      "64バイトまでの名前にして下さい☆☆☆");
    SetFocus(Edit_Stem.Handle());
    return;
  }
  EndModal(Confirmed);
}
