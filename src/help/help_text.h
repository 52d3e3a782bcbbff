#pragma once
#include <optional>
#include <string>
#include <string_view>

// The shipped texts are kept as UTF-8 and handed out as Shift-JIS (code page 932).

// Empty when the text is not UTF-8 or holds a character code page 932 lacks.
std::optional<std::string> Utf8ToShiftJis(std::string_view utf8);

// Every line ending becomes CR LF; a CR LF stays as it is.
std::string WithCrLf(std::string_view text);
