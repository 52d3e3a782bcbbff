#include "browser/file_texts.h"

#include <cstdio>

#include "browser/name_parts.h"
#include "common/shift_jis.h"

std::string SizeText(std::uint64_t bytes) {
  std::string digits = std::to_string(bytes);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  constexpr std::size_t Width = 8;
  if (grouped.size() < Width) grouped.insert(0, Width - grouped.size(), ' ');
  return grouped;
}

std::string TypeText(std::string_view fileName) {
  const std::string extension = ExtensionOf(fileName);
  return extension.empty() ? extension : AsciiLowerCase(extension.substr(1));
}

std::string DateText(const FileTime& t, const DayNames& dayNames) {
  char text[96];
  std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d ", ((t.year % 100) + 100) % 100, t.month, t.day, t.hour,
                t.minute, t.second);
  const bool validDay = t.dayOfWeek >= 0 && t.dayOfWeek < 7;
  return text + (validDay ? dayNames[static_cast<std::size_t>(t.dayOfWeek)] : std::string());
}

std::string AttributeText(std::uint32_t attributes) {
  std::string text;
  text += (attributes & FileAttribute::ReadOnly) ? 'R' : ' ';
  text += (attributes & FileAttribute::System) ? 'S' : ' ';
  text += (attributes & FileAttribute::Hidden) ? 'H' : ' ';
  text += (attributes & FileAttribute::Archive) ? 'A' : ' ';
  return text;
}
