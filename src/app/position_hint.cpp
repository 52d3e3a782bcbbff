#include "app/position_hint.h"

#include <string_view>

#include "common/decimal.h"

namespace {

constexpr std::string_view HintPrefix = "Ｆｏｒｍ位置サイズ ";
// Ten two-byte Shift-JIS characters; digit d is the pair at 2 × d.
constexpr std::string_view FullWidthDigits = "０１２３４５６７８９";
static_assert(FullWidthDigits.size() == 20, "full-width digits are two bytes each in Shift-JIS");

void AppendFullWidth(std::string& out, int value) {
  for (const char c : ToDecimal(value)) {
    if (c >= '0' && c <= '9') {
      out += FullWidthDigits.substr(static_cast<std::size_t>(c - '0') * 2, 2);
    } else {
      out += c;  // the minus sign
    }
  }
}

}  // namespace

std::string PositionHint(const Bounds& window) {
  std::string hint(HintPrefix);
  const int values[] = {window.left, window.top, window.width, window.height};
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) hint += ',';
    AppendFullWidth(hint, values[i]);
  }
  return hint;
}
