#include "output/series_saving.h"

#include <new>

#include "common/decimal.h"
#include "common/path_helpers.h"
#include "output/picture_files.h"
#include "output/series_box.h"
#include "shell/file_system.h"
#include "ui/application.h"

namespace {
// Names taken by another program between the look into the folder and the write.
constexpr int NameTries = 8;
}  // namespace

void SeriesSaving::Bind(CommandTable& commands) {
  commands.Bind("MRENBAN", [this] { MRENBANClick(); });
  commands.Bind("MRENBAN_SET", [this] { MRENBAN_SETClick(); });
}

void SeriesSaving::ShowSettings() { window_.Menu().SetChecked("MRENBAN", workspace_.settings.seriesOn); }

void SeriesSaving::MRENBANClick() {
  bool& on = workspace_.settings.seriesOn;
  on = !on;
  window_.Menu().SetChecked("MRENBAN", on);
}

void SeriesSaving::MRENBAN_SETClick() {
  MainSettings& s = workspace_.settings;
  const std::string jpeg = "圧縮率 " + ToDecimal(s.jpgQuality) + "％" + (s.jpgInternet ? "・インターネット圧縮" : "");
  const auto chosen = SeriesBox::Ask({s.SeriesFolder(), s.seriesStem, s.seriesFormat}, jpeg, s.backColor);
  if (!chosen) return;
  s.seriesFolder = chosen->folder;
  s.seriesStem = chosen->stem;
  s.seriesFormat = chosen->format;
}

void SeriesSaving::SaveTakenCapture() {
  if (!captureWaiting_) return;
  captureWaiting_ = false;
  const MainSettings& s = workspace_.settings;
  const Picture& working = workspace_.picture.Working();
  if (!s.seriesOn || working.Empty()) return;
  const std::string folder = AddTrailingSeparator(s.SeriesFolder());
  Outcome outcome{Result::Failed, {}};
  {
    HourglassGuard hourglass;
    outcome = SaveNext(folder);
  }
  switch (outcome.result) {
    case Result::Saved:
      history_.AddLoadedFile(folder + outcome.name);
      window_.ShowSizeText("連番保存 " + outcome.name + "　サイズ " + ToDecimal(working.Width()) + ", " +
                           ToDecimal(working.Height()));
      break;
    case Result::SeriesFull:
      window_.ShowMsg("連番保存の番号が、9999 まで使われています・・・\n" + folder + outcome.name +
                      "\n\n連番保存の設定で、フォルダーかファイル名を変えて下さい☆☆☆");
      break;
    case Result::Failed:
      window_.ShowMsg("連番保存に失敗しました・・・\n" + folder + outcome.name +
                      "\n\nフォルダー、ディスクの空き、書き込みの権限を確かめて下さい☆☆☆");
      break;
  }
}

SeriesSaving::Outcome SeriesSaving::SaveNext(const std::string& folder) const {
  const MainSettings& s = workspace_.settings;
  std::string name;
  for (int attempt = 0; attempt < NameTries; ++attempt) {
    const auto number = NextSeriesNumber(NamesInFolder(folder, s.seriesStem + "*"), s.seriesStem);
    if (!number) return {Result::SeriesFull, SeriesFileName(s.seriesStem, LastSeriesNumber, s.seriesFormat)};
    name = SeriesFileName(s.seriesStem, *number, s.seriesFormat);
    if (Write(folder + name)) return {Result::Saved, name};
    if (!PathExists(folder + name)) break;  // not a name taken meanwhile: the write itself failed
  }
  return {Result::Failed, name};
}

bool SeriesSaving::Write(const std::string& fileName) const {
  const MainSettings& s = workspace_.settings;
  const Picture& working = workspace_.picture.Working();
  try {
    switch (s.seriesFormat) {
      case SeriesFormat::Bmp:
        return WriteBmpFile(working, fileName, ExistingTarget::Keep);
      case SeriesFormat::Jpeg:
        return WriteJpegFile(working, fileName, s.jpgQuality, s.jpgInternet, ExistingTarget::Keep);
      case SeriesFormat::Png:
        break;
    }
    return WritePngFile(working, fileName, ExistingTarget::Keep);
  } catch (const std::bad_alloc&) {
    return false;
  }
}
