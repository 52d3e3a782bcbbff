#pragma once
#include <string>
#include <string_view>
#include <vector>

// The input box's history: newest first, no two entries equal when letter case is ignored
// (single-byte ASCII letters only; the second byte of a two-byte character never folds).

// `text` becomes the first entry and every entry equal to it but for letter case goes; an
// empty text changes nothing.
void MoveToTop(std::vector<std::string>& history, std::string_view text);
