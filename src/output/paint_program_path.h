#pragma once
#include <optional>
#include <string>
#include <vector>

// Where 画像加工ソフト起動 looks for the paint program, first match first: the accessories folder
// on the Windows folder's drive, the system32 and system folders of the Windows folder (given
// with its trailing separator), and last the bare name, which the search path finds.
std::vector<std::string> PaintProgramCandidates(const std::string& windowsFolder);

// The folder to make current before starting `program`: its folder when the name is a full path
// on a drive ("X:\…"), nothing otherwise.
std::optional<std::string> PaintProgramFolder(const std::string& program);
