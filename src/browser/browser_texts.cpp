#include "browser/browser_texts.h"

#include "common/decimal.h"
#include "common/path_helpers.h"
#include "common/shift_jis.h"

namespace {
constexpr std::size_t LongestShown = 38;
constexpr std::size_t TailShown = 36;

// Whether byte `index` is the second byte of a two-byte character.
bool IsSecondByte(std::string_view text, std::size_t index) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == index) return false;
    if (IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && ++i == index) return true;
  }
  return false;
}
}  // namespace

std::string NewFolderPrompt(std::string_view folder) {
  std::string shown = AddTrailingSeparator(folder);
  if (shown.size() > LongestShown) {
    std::size_t start = shown.size() - TailShown;
    // The tail never starts with half a character.
    if (IsSecondByte(shown, start)) ++start;
    shown = "..." + shown.substr(start);
  }
  return shown + "     ";
}

std::string CountCaption(int count, std::string_view what) { return ToDecimal(count) + "ｺ　" + std::string(what); }

std::string WorkingCaption(std::string_view what) { return "---ｺ　" + std::string(what); }
