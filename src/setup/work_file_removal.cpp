#include "setup/work_file_removal.h"

#include "common/list_file.h"
#include "common/path_helpers.h"
#include "common/shift_jis.h"
#include "common/work_files.h"

namespace {

constexpr std::string_view PaintPicturePrefix = "PKT_PA";
constexpr std::string_view PaintPictureSuffix = ".BMP";

}  // namespace

std::string WorkFilesQuestion(const std::string& userWorkFolder) {
  std::string question =
      "アイコン／TXTﾌｧｲﾙの削除を終了しました。\n登録ｶｰｿﾙ、BMPﾒﾓﾘｰ1/2も削除して、よろしいですか？？？\n\n"
      "削除するもの：\n"
      "・登録ｶｰｿﾙ、ファイルヒストリー、BMPﾒﾓﾘｰ1/2\n"
      "・画像加工ソフトに渡した画像 PKT_PA*.BMP（画像加工ソフトでそこに保存した絵も）";
  if (!userWorkFolder.empty()) {
    question += "\n・作業フォルダーの中のファイルすべて（今の壁紙の画像は残します）\n　" + RemoveTrailingSeparator(userWorkFolder);
  }
  return question;
}

bool IsProgramFolderWorkFile(std::string_view name) {
  for (const char* file : {HistorySnapshotFile, Memory1File, Memory2File, CursorHistoryListFile, FileHistoryListFile, WallpaperFile}) {
    if (SameFileName(name, file)) return true;
  }
  const std::string upper = AsciiUpperCase(name);
  return upper.size() > PaintPicturePrefix.size() + PaintPictureSuffix.size() && upper.starts_with(PaintPicturePrefix) &&
         upper.ends_with(PaintPictureSuffix);
}

bool IsWallpaper(std::string_view folder, std::string_view name, std::string_view wallpaper) {
  return !wallpaper.empty() && SameFileName(AddTrailingSeparator(folder) + std::string(name), wallpaper);
}
