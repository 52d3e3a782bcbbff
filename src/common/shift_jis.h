#pragma once
#include <string>
#include <string_view>

// A byte that starts a two-byte character; the second byte may be anything, 0x5C included.
bool IsShiftJisLeadByte(unsigned char byte);

// Case mapping of Shift-JIS byte strings: only single-byte ASCII letters change; both bytes
// of a two-byte character are left alone (its second byte may look like a letter).
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);
