#pragma once
#include <string>

// Texts the installer window derives from the program constants.

// "ピクトラン V1．7": title, " V", major digit, full-width full stop, minor digit.
std::string VersionCaption(const std::string& title, int version);

// "QUILOSOFT ピクトラン V1.7".
std::string UninstallDisplayName(const std::string& title, int version);
