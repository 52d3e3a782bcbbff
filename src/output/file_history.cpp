#include "output/file_history.h"

#include <algorithm>

#include "common/list_file.h"
#include "common/work_files.h"
#include "ui/application.h"
#include "ui/dpi.h"

namespace {

constexpr int HeadHeight = 24;
constexpr int ButtonWidth = 52;
constexpr int RowHeight = 18;

// The count label has room for this many entries (the list has no limit, but a user's history
// stays far below it).
constexpr const char* WidestCountText = "99999ｺ";

constexpr const char* NoSnapshotText = "戻す画面がありません・・・";

void Beep() { MessageBeep(MB_ICONEXCLAMATION); }

}  // namespace

void FileHistory::Create(HWND parent, const Bounds& bounds, COLORREF colour, HFONT font) {
  const DpiScale scale = ScaleOf(parent);
  Panel_FHIS.Create(parent, bounds);
  Panel_FHIS.SetColour(colour);
  Panel_FHIS.Hide();
  Panel_FHIS_Head.Create(Panel_FHIS.Handle(), {0, 0, bounds.width, scale(HeadHeight)});
  Panel_FHIS_Head.SetColour(colour);
  const HWND head = Panel_FHIS_Head.Handle();
  // The caption and the count take the width their texts need in the font, which for the
  // system font is more than its height suggests (its full-width characters are 16 wide).
  constexpr const char* Caption = "ファイルヒストリー";
  const int captionWidth = std::max(scale(120), TextWidth(font, Caption));
  // Their height is at least the font's line (18 for that font), for which the head has room.
  const int labelHeight = std::max(scale(16), FontLineHeight(font));
  Label_FHIS.Create(head, {scale(6), scale(5), captionWidth, labelHeight}, Caption, font);
  const int countLeft = scale(6) + captionWidth + scale(4);
  const int countWidth = std::max(scale(60), TextWidth(font, WidestCountText));
  Label_FHIS_KOSU.Create(head, {countLeft, scale(5), countWidth, labelHeight}, "0ｺ", font);
  const struct {
    TColorBtn& button;
    const char* caption;
    void (FileHistory::*click)();
  } buttons[] = {{Button_FHIS_DEL, "削除", &FileHistory::Button_FHIS_DELClick},
                 {Button_FHIS_ALLDEL, "ALL", &FileHistory::Button_FHIS_ALLDELClick},
                 {Button_MODOSU, "戻す", &FileHistory::Button_MODOSUClick}};
  // Buttons in pixels from here: they follow the texts.
  const Bounds button = scale(Bounds{0, 1, ButtonWidth, HeadHeight - 2});
  int left = std::max(scale(196), countLeft + countWidth + scale(4));
  for (const auto& b : buttons) {
    b.button.Create(head, {left, button.top, button.width, button.height}, b.caption);
    b.button.OnClick = [this, click = b.click] { (this->*click)(); };
    left += button.width + scale(2);
  }
  Button_FHIS_CLOSE.Create(head, {left, button.top, button.width, button.height}, "閉じる");
  Button_FHIS_CLOSE.OnClick = [this] { Button_FHIS_CLOSEClick(); };
  ListBox_FHIS.Create(Panel_FHIS.Handle(), {0, scale(HeadHeight), bounds.width, bounds.height - scale(HeadHeight)});
  ListBox_FHIS.SetFont(font);
  ListBox_FHIS.SetItemHeight(scale(RowHeight));
  ListBox_FHIS.onDoubleClick = [this] { ListBox_FHISDblClick(); };
}

void FileHistory::Fit(int width, int height) const {
  const DpiScale scale = ScaleOf(Panel_FHIS.Handle());
  const int headHeight = scale(HeadHeight);
  Panel_FHIS.SetBounds({0, 0, width, height});
  Panel_FHIS_Head.SetBounds({0, 0, width, headHeight});
  ListBox_FHIS.SetBounds({0, headHeight, width, std::max(0, height - headHeight)});
  // Also after a change of scale, which gives the list a new font.
  ListBox_FHIS.SetItemHeight(scale(RowHeight));
}

void FileHistory::Bind(CommandTable& commands) { commands.Bind("MF_FHIS", [this] { MF_FHISClick(); }); }

std::string FileHistory::ListFile() const { return workspace_.programFolder + FileHistoryListFile; }

void FileHistory::LoadList() {
  list_ = FileHistoryList(ParseListFile(listFile_.Read(ListFile())));
  ShowEntries(std::nullopt);
}

bool FileHistory::SaveList() const { return listFile_.Write(list_.Names()); }

void FileHistory::ShowEntries(std::optional<std::size_t> selected) const {
  ListBox_FHIS.SetItems(list_.Names());
  if (selected) {
    const int index = static_cast<int>(*selected);
    ListBox_FHIS.Select(index);
    ListBox_FHIS.SetCaretIndex(index);
  }
  Label_FHIS_KOSU.SetText(list_.CountText());
}

void FileHistory::MF_FHISClick() {
  // The snapshot is of the moment the panel opened: reopening it keeps the first one. Without
  // a picture, or when it could not be written, there is none, and an older snapshot must not
  // come back as this one.
  if (!Panel_FHIS.Visible()) {
    snapshotTaken_ = workspace_.picture.HasWorkingPicture() && memories_.SaveMemory(HistorySnapshotFile);
    if (!snapshotTaken_) DeleteFileA((workspace_.programFolder + HistorySnapshotFile).c_str());
  }
  Panel_FHIS.BringToTop();
  Panel_FHIS.Show();
}

void FileHistory::Button_MODOSUClick() {
  if (!snapshotTaken_) {
    Beep();
    window_.ShowMsgTimed(NoSnapshotText, 1);
    return;
  }
  files_.LoadFile(workspace_.programFolder + HistorySnapshotFile);
}

void FileHistory::ListBox_FHISDblClick() {
  const int current = ListBox_FHIS.CaretIndex();
  if (current >= 0 && current < static_cast<int>(list_.Count())) files_.LoadFile(list_.Names()[current]);
}

void FileHistory::Button_FHIS_DELClick() {
  HourglassGuard hourglass;
  const std::vector<int> selected = ListBox_FHIS.SelectedIndices();
  const int current = ListBox_FHIS.CaretIndex();
  const char* problem = nullptr;
  if (list_.Count() == 0) {
    problem = "登録データがありません・・・";
  } else if (selected.empty()) {
    problem = "データが選択されていません・・・";
  } else if (current < 0 || current >= static_cast<int>(list_.Count())) {
    problem = "選択値が不正です・・・";
  }
  if (problem) {
    Beep();
    window_.ShowMsgTimed(problem, 1);
    return;
  }
  ShowEntries(list_.Delete(std::vector<std::size_t>(selected.begin(), selected.end())));
}

void FileHistory::Button_FHIS_ALLDELClick() {
  HourglassGuard hourglass;
  if (window_.AskYesNoTimed("ファイルヒストリーを、すべて消しても、よろしいですか？？？", IDYES) == IDYES) list_.Clear();
  ShowEntries(std::nullopt);
}

void FileHistory::AddLoadedFile(const std::string& fileName) {
  list_.MoveToTop(fileName);
  ShowEntries(std::nullopt);
}

void FileHistory::ListHandedFiles(const std::vector<std::string>& files) {
  if (files.empty()) return;
  ShowEntries(list_.Append(files));
}

void FileHistory::OpenHandedFiles(const std::vector<std::string>& files) {
  if (files.empty()) return;
  MF_FHISClick();
  ListHandedFiles(files);
  ListBox_FHISDblClick();
}
