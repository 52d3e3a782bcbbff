#pragma once
#include <string>
#include <string_view>

// What the uninstall's work-file question removes: the work files beside the program and the
// user's work folder, both except the picture that is the desktop's wallpaper.

// The question: its two first lines as ever, then what goes. `userWorkFolder` (empty when the
// system names none) goes with every file in it.
std::string WorkFilesQuestion(const std::string& userWorkFolder);

// A work file the program leaves beside itself: the picture memories, the history snapshot, the
// two lists, the pictures handed to the paint program (PKT_PA….BMP, one per hand-over) and the
// wallpaper put there.
bool IsProgramFolderWorkFile(std::string_view name);

// The file `folder` + `name` is the wallpaper (both as long names; letter case aside).
bool IsWallpaper(std::string_view folder, std::string_view name, std::string_view wallpaper);
