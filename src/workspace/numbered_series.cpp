#include "workspace/numbered_series.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "common/shift_jis.h"

namespace {
constexpr std::size_t MaxStemBytes = 64;
constexpr std::size_t Digits = 4;
}  // namespace

const char* SeriesExtension(SeriesFormat format) {
  switch (format) {
    case SeriesFormat::Bmp:
      return "BMP";
    case SeriesFormat::Jpeg:
      return "JPG";
    case SeriesFormat::Png:
      break;
  }
  return "PNG";
}

bool IsUsableSeriesStem(std::string_view stem) {
  if (stem.empty() || stem.size() > MaxStemBytes) return false;
  if (stem.front() == ' ' || stem.front() == '.' || stem.back() == ' ' || stem.back() == '.') return false;
  for (std::size_t i = 0; i < stem.size(); ++i) {
    const auto byte = static_cast<unsigned char>(stem[i]);
    if (IsShiftJisLeadByte(byte)) {
      if (++i == stem.size()) return false;  // a character cut in half
      continue;
    }
    if (byte < 0x20 || byte == 0x7F || std::strchr("\\/:*?\"<>|", byte)) return false;
  }
  return true;
}

std::string SeriesFileName(std::string_view stem, int number, SeriesFormat format) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%04d", number);
  return std::string(stem) + digits + "." + SeriesExtension(format);
}

std::optional<int> SeriesNumberOf(std::string_view fileName, std::string_view stem) {
  if (stem.empty() || fileName.size() < stem.size() + Digits) return std::nullopt;
  if (AsciiUpperCase(fileName.substr(0, stem.size())) != AsciiUpperCase(stem)) return std::nullopt;
  const std::string_view digits = fileName.substr(stem.size(), Digits);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const std::string_view rest = fileName.substr(stem.size() + Digits);
  if (!rest.empty() && rest.front() != '.') return std::nullopt;
  int number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  return number;
}

std::optional<int> NextSeriesNumber(std::span<const std::string> names, std::string_view stem) {
  int highest = 0;
  for (const std::string& name : names) {
    if (const auto number = SeriesNumberOf(name, stem)) highest = std::max(highest, *number);
  }
  if (highest >= LastSeriesNumber) return std::nullopt;
  return highest + 1;
}
