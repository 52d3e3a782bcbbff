#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where 画像加工ソフト起動 looks for the paint program, first match first: the accessories folder
// on the Windows folder's drive, the system32 and system folders of the Windows folder (given
// with its trailing separator). Never a bare name: the search for one starts in the current
// folder, which the file dialogs leave in whatever folder the user last opened.
std::vector<std::string> PaintProgramCandidates(const std::string& windowsFolder);

// The program a registered application path names (App Paths' default value, expanded): the
// text without surrounding blanks and quotes; nothing unless it is a full path on a drive
// ("X:\…") or a share ("\\server\…"), since a relative name would be searched for too.
std::optional<std::string> RegisteredProgramPath(std::string_view value);

// The folder to make current before starting `program`: its folder when the name is a full path
// on a drive ("X:\…"), nothing otherwise.
std::optional<std::string> PaintProgramFolder(const std::string& program);

// The moment a picture is handed to the paint program, as the local clock shows it.
struct HandOverTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The work file of one hand-over: "PKT_PA" with the date and time, and from the second attempt
// within one second a count ("PKT_PA20240131-235959.BMP", "PKT_PA20240131-235959-2.BMP"), so
// that no hand-over reuses the name of a picture the user may have saved in the paint program.
std::string PaintHandOverName(const HandOverTime& time, int attempt);
