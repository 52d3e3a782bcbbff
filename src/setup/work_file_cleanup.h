#pragma once
#include <string>

// Deletes the work files beside the program and the user's work folder with every file in it,
// except the picture that is the desktop's wallpaper (which keeps that folder too). Failures
// are passed over.
void RemoveWorkFiles(const std::string& programFolder, const std::string& userWorkFolder);
