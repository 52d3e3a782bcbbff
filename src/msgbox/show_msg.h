#pragma once
#include <string>

// Shows a message with an OK button over the main window; returns 1 (OK) or 2 (closed).
int ShowMsg(const std::string& text);
