#pragma once
#include <string>
#include <string_view>

// What 設定 makes of the typed file name in file mode.
struct FileChoice {
  enum class Outcome { Accepted, BadName, NeedsFullPath };
  Outcome outcome = Outcome::Accepted;
  std::string folder;    // the result folder: the listed one, or a typed full path's folder part
  std::string fileName;  // a bare name typed: folder + name; a full path typed: the name alone
  std::string message;   // what the user is told when refused
};

// `folder` is the folder edit's text without its trailing separator, `typed` the file-name
// edit's text; a set default extension is appended when the name's own extension differs
// from it (letter case ignored).
FileChoice ChooseFile(std::string_view folder, std::string_view typed, std::string_view defaultExtension);

// The chosen file's full path, for the overwrite question.
std::string FullFileName(const FileChoice& choice);

// The question before an existing file is overwritten.
std::string OverwriteQuestion(const FileChoice& choice);
