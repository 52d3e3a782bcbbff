#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Strict decimal integers as the program stores them: an optional sign and digits only,
// within the 32-bit range. Anything else (blanks, hex, overflow, NUL bytes) is not a number.
std::optional<int> ParseDecimal(std::string_view text);

// Exactly `count` decimal integers separated by "," without blanks; nullopt when a member
// is unreadable or the count differs.
std::optional<std::vector<int>> ParseDecimalList(std::string_view text, std::size_t count);

std::string ToDecimal(long long value);

// Members joined with "," (the stored form of pairs and quadruples).
std::string JoinDecimals(const std::vector<int>& values);
