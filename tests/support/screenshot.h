#pragma once
#include <string>

// Saves the whole screen as a 24-bit BMP into the "screenshots" folder beside the running test
// program, for looking at what a user would see.
bool Screenshot(const std::string& name);
