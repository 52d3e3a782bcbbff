#pragma once
#include <string>

// The "screenshots" folder beside the running test program (with trailing separator), made when
// missing. A lane of tests that runs beside another names a folder of its own inside it in
// PIKTORAN_SCREENSHOTS, so that the lanes keep their pictures apart.
std::string ScreenshotFolder();

// Saves the whole screen as a 24-bit BMP into the screenshot folder, for looking at what a user
// would see.
bool Screenshot(const std::string& name);
