#include "msgbox/message_box_layout.h"

#include <algorithm>

#include "common/rounding.h"

namespace {

constexpr int MinimumGap = 10;

// The memo is widened, when narrower, so that it reaches three quarters into `anchor`.
void WidenMemoTowards(Bounds& memo, const Bounds& anchor) {
  const int wanted = RoundHalfEven(anchor.width / 4.0) * 3 + anchor.left - memo.left;
  memo.width = std::max(memo.width, wanted);
}

}  // namespace

MessageBoxLayout LayOutMessageBox(const MessageBoxMeasures& m, MessageBoxKind kind, bool countDown,
                                  int timeoutAnswer) {
  MessageBoxLayout l;
  const DpiScale scale(m.dpi);
  const Size pic = scale(m.picture);
  const Size btn = scale(m.button);
  const int markerHeight = scale(m.markerHeight);
  const int minimumGap = scale(MinimumGap);

  l.memo = {2 * pic.width, scale(m.memoTop), m.text.width + scale(10), m.text.height - 2 * scale(m.fontHeight)};
  l.client.width = 3 * pic.width + l.memo.width;
  l.client.height = pic.height > l.memo.height ? 3 * pic.height + btn.height + pic.height / 2
                                               : l.memo.height + btn.height + 2 * pic.height + pic.height / 2;

  l.picture = {scale(16), std::max(scale(16), l.memo.top + (l.memo.height - pic.height) / 2 - scale(4))};
  const int below = std::max(l.memo.Bottom(), l.picture.y + pic.height);
  const int buttonTop = below + (l.client.height - below - btn.height) / 2;
  const int markerTop = buttonTop - markerHeight;

  auto button = [&](int left) { return Bounds{left, buttonTop, btn.width, btn.height}; };
  l.showPausePair = countDown;
  const Bounds* lastButton = nullptr;
  if (kind == MessageBoxKind::Ok) {
    l.showOk = true;
    if (!countDown) {
      l.ok = button((l.client.width - btn.width) / 2);
    } else {
      const int gap = std::max(minimumGap, (l.client.width - 2 * btn.width) / 3);
      l.ok = button(gap);
      l.pause = button(l.ok.Right() + gap);
      l.showMarker = timeoutAnswer == 1 || timeoutAnswer == 2;
    }
    lastButton = &l.ok;
  } else {
    l.showYesNo = true;
    if (!countDown) {
      const int gap = std::max(minimumGap, (l.client.width - 2 * btn.width) / 3);
      l.yes = button(gap);
      l.no = button(l.yes.Right() + gap);
    } else {
      const int gap = std::max(minimumGap, (l.client.width - 3 * btn.width) / 4);
      l.yes = button(gap);
      l.no = button(l.yes.Right() + gap);
      l.pause = button(l.no.Right() + gap);
      l.showMarker = timeoutAnswer == 2 || timeoutAnswer == 6 || timeoutAnswer == 7;
    }
    lastButton = &l.no;
  }
  if (countDown) l.resume = l.pause;

  switch (timeoutAnswer) {
    case 1: l.marker = {l.ok.left, markerTop, btn.width, markerHeight}; break;
    case 6: l.marker = {l.yes.left, markerTop, btn.width, markerHeight}; break;
    case 7: l.marker = {l.no.left, markerTop, btn.width, markerHeight}; break;
    case 2: l.marker = {l.resume.left + btn.width, scale(3), btn.width, markerHeight}; break;
    default: l.showMarker = false; break;
  }

  if (countDown) {
    const int room = l.client.width - l.pause.Right();
    if (room < m.countLabel.width) l.client.width += m.countLabel.width - room;
    WidenMemoTowards(l.memo, l.pause);
    l.countLabel = {l.client.width - m.countLabel.width, l.client.height - m.countLabel.height};
  } else if (l.memo.Right() < lastButton->Right()) {
    l.client.width = lastButton->Right() + pic.width / 2;
    WidenMemoTowards(l.memo, *lastButton);
  }
  return l;
}
