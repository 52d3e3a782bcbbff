#pragma once
#include <string>

// Our texts are in the system's code page; the shell's interfaces take and give UTF-16.
std::wstring Wide(const std::string& text);
std::string Narrow(const wchar_t* text);
