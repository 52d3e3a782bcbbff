#include "common/decimal.h"

#include <charconv>
#include <climits>

std::optional<int> ParseDecimal(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  long long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 1LL + INT_MAX) return std::nullopt;  // leading zeros stay allowed
  }
  if (negative) value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<std::vector<int>> ParseDecimalList(std::string_view text, std::size_t count) {
  std::vector<int> values;
  values.reserve(count);
  while (values.size() + 1 < count) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto member = ParseDecimal(text.substr(0, comma));
    if (!member) return std::nullopt;
    values.push_back(*member);
    text.remove_prefix(comma + 1);
  }
  const auto last = ParseDecimal(text);
  if (!last) return std::nullopt;
  values.push_back(*last);
  return values;
}

std::string ToDecimal(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string JoinDecimals(const std::vector<int>& values) {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) text += ',';
    text += ToDecimal(values[i]);
  }
  return text;
}
