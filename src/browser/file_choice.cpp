#include "browser/file_choice.h"

#include "browser/name_parts.h"
#include "common/path_helpers.h"
#include "common/shift_jis.h"

FileChoice ChooseFile(std::string_view folder, std::string_view typed, std::string_view defaultExtension) {
  FileChoice choice;
  choice.folder = std::string(folder);
  const NameParts parts = SplitFileName(typed);
  const std::string refused = std::string(typed) + "\n" + parts.name + "\n" + "ファイル名が不正です・・・";
  if (parts.name.empty()) {
    choice.outcome = FileChoice::Outcome::BadName;
    choice.message = refused;
    return choice;
  }
  if (parts.folder.empty()) {
    choice.fileName = AddTrailingSeparator(folder) + parts.name;
  } else if (typed.size() >= 4 && typed[1] == ':') {
    choice.folder = parts.folder;
    choice.fileName = parts.name;
  } else {
    choice.outcome = FileChoice::Outcome::NeedsFullPath;
    choice.message = refused + "\n" + "ファイル名のみか、フルパス(ドライブ名付)で設定して下さい☆";
    return choice;
  }
  if (!defaultExtension.empty()) {
    const std::string wanted = "." + std::string(defaultExtension);
    if (AsciiLowerCase(ExtensionOf(choice.fileName)) != AsciiLowerCase(wanted)) choice.fileName += wanted;
  }
  return choice;
}

std::string FullFileName(const FileChoice& choice) {
  return AddTrailingSeparator(choice.folder) + SplitFileName(choice.fileName).name;
}

std::string OverwriteQuestion(const FileChoice& choice) {
  return SplitFileName(choice.fileName).name + "\n" + FullFileName(choice) + "\n" + "同名のファイルが既に存在します・・・" +
         "\n" + "ファイルを書き換えますか?";
}
