#include "capture/capture_captions.h"

#include <array>

#include "workspace/settings.h"
#include "common/decimal.h"

namespace {

constexpr std::array<int, DelayCount> DelayTable = {0, 1, 2, 3, 5, 10, 15, 20, 30, 40, 50, 60};

}  // namespace

CaptureCaptions CaptureCaptionsFor(bool fixed, int delaySeconds) {
  if (delaySeconds <= 0) {
    const char* caption = fixed ? "固定取込(&G)" : "取り込み(&G)";
    return {caption, caption};
  }
  const std::string timed = fixed ? "ﾀｲﾏｰ固取" : "ﾀｲﾏｰ取込";
  const std::string seconds = ToDecimal(delaySeconds);
  return {timed + " " + seconds + " (&G)", timed + seconds + "(&G)"};
}

int DelaySeconds(int delayIndex) {
  if (delayIndex < 0 || delayIndex >= DelayCount) return 0;
  return DelayTable[static_cast<std::size_t>(delayIndex)];
}

std::string DelayEntryCaption(int delayIndex) { return ToDecimal(DelaySeconds(delayIndex)) + " 秒"; }

std::string CaptureSizeText(const Bounds& captured) {
  return std::string(CaptureSizeLabel) + "　左上 " + ToDecimal(captured.left) + ", " + ToDecimal(captured.top) +
         " サイズ " + ToDecimal(captured.width) + ", " + ToDecimal(captured.height);
}
