#include <gtest/gtest.h>

#include "msgbox/message_box_layout.h"

namespace {

MessageBoxMeasures Measures(int textWidth, int textHeight = 13) {
  MessageBoxMeasures m;
  m.text = {textWidth, textHeight};
  m.countLabel = {26, 13};
  return m;
}

TEST(MessageBoxLayout, OneLineOkBoxFitsItsText) {
  const MessageBoxLayout l = LayOutMessageBox(Measures(200), MessageBoxKind::Ok, false, 0);
  EXPECT_EQ(l.memo, (Bounds{64, 16, 210, 13 + 26}));
  EXPECT_EQ(l.client.width, 96 + 210);
  // The picture is not taller than the memo (39): memo + button + 2.5 pictures.
  EXPECT_EQ(l.client.height, 39 + 33 + 64 + 16);
  EXPECT_EQ(l.picture, (Point{16, 16}));
  EXPECT_EQ(l.ok, (Bounds{(306 - 89) / 2, 55 + (152 - 55 - 33) / 2, 89, 33}));
  EXPECT_TRUE(l.showOk);
  EXPECT_FALSE(l.showYesNo || l.showPausePair || l.showMarker);
}

TEST(MessageBoxLayout, ShortTextBoxFollowsItsButton) {
  // Text 20 wide: memo 30, box 126, OK at 18..107; the memo ends left of it (94), so the box
  // becomes button right + half a picture.
  const MessageBoxLayout l = LayOutMessageBox(Measures(20), MessageBoxKind::Ok, false, 0);
  EXPECT_EQ(l.ok.left, 18);
  EXPECT_EQ(l.client.width, 107 + 16);
  EXPECT_EQ(l.memo.width, 30);  // already wider than 22 * 3 + 18 - 64
}

TEST(MessageBoxLayout, TallTextPushesPictureAndButtonsDown) {
  const MessageBoxLayout l = LayOutMessageBox(Measures(300, 5 * 13), MessageBoxKind::Ok, false, 0);
  EXPECT_EQ(l.memo.height, 65 + 26);
  EXPECT_EQ(l.client.height, 91 + 33 + 64 + 16);
  EXPECT_EQ(l.picture.y, 16 + (91 - 32) / 2 - 4);
  const int below = 16 + 91;
  EXPECT_EQ(l.ok.top, below + (l.client.height - below - 33) / 2);
}

TEST(MessageBoxLayout, TimedOkBoxWithPausePairAndMarker) {
  const MessageBoxLayout l = LayOutMessageBox(Measures(300), MessageBoxKind::Ok, true, 1);
  const int width = 96 + 310;
  const int gap = (width - 178) / 3;
  EXPECT_EQ(l.ok.left, gap);
  EXPECT_EQ(l.pause.left, gap + 89 + gap);
  EXPECT_EQ(l.resume, l.pause);
  EXPECT_TRUE(l.showPausePair);
  EXPECT_TRUE(l.showMarker);
  EXPECT_EQ(l.marker, (Bounds{l.ok.left, l.ok.top - 3, 89, 3}));
  EXPECT_EQ(l.client.width, width);  // room enough right of the pause button for the label
  EXPECT_EQ(l.countLabel, (Point{width - 26, l.client.height - 13}));
}

TEST(MessageBoxLayout, NarrowTimedBoxIsWidenedForItsCountLabel) {
  const MessageBoxLayout l = LayOutMessageBox(Measures(20), MessageBoxKind::Ok, true, 1);
  // Gap held at 10: OK 10..99, pause 109..198, then room for the 26-wide label.
  EXPECT_EQ(l.ok.left, 10);
  EXPECT_EQ(l.pause.left, 109);
  EXPECT_EQ(l.client.width, 198 + 26);
  EXPECT_EQ(l.memo.width, 22 * 3 + 109 - 64);
  EXPECT_EQ(l.countLabel.x, 198);
}

TEST(MessageBoxLayout, YesNoBoxes) {
  const MessageBoxLayout plain = LayOutMessageBox(Measures(300), MessageBoxKind::YesNo, false, 0);
  const int width = 406;
  const int gap = (width - 178) / 3;
  EXPECT_TRUE(plain.showYesNo);
  EXPECT_FALSE(plain.showOk);
  EXPECT_EQ(plain.yes.left, gap);
  EXPECT_EQ(plain.no.left, gap + 89 + gap);
  EXPECT_FALSE(plain.showMarker);

  const MessageBoxLayout timed = LayOutMessageBox(Measures(300), MessageBoxKind::YesNo, true, 7);
  const int gap4 = (width - 267) / 4;
  EXPECT_EQ(timed.yes.left, gap4);
  EXPECT_EQ(timed.no.left, 2 * gap4 + 89);
  EXPECT_EQ(timed.pause.left, 3 * gap4 + 178);
  EXPECT_TRUE(timed.showMarker);
  EXPECT_EQ(timed.marker, (Bounds{timed.no.left, timed.no.top - 3, 89, 3}));  // above いいえ

  const MessageBoxLayout yesDefault = LayOutMessageBox(Measures(300), MessageBoxKind::YesNo, true, 6);
  EXPECT_EQ(yesDefault.marker.left, yesDefault.yes.left);
  const MessageBoxLayout closed = LayOutMessageBox(Measures(300), MessageBoxKind::YesNo, true, 2);
  EXPECT_EQ(closed.marker, (Bounds{closed.resume.left + 89, 3, 89, 3}));
}

TEST(MessageBoxLayout, NarrowYesNoBoxKeepsTheMinimumGap) {
  const MessageBoxLayout l = LayOutMessageBox(Measures(10), MessageBoxKind::YesNo, false, 0);
  EXPECT_EQ(l.yes.left, 10);
  EXPECT_EQ(l.no.left, 109);
  EXPECT_EQ(l.client.width, 198 + 16);
}

// At 150 % a text measured 1.5 times as large in the font of that scale gives the design's box at
// 1.5 times its size, every edge within a pixel.
TEST(MessageBoxLayout, AtAScaleTheTimedQuestionIsTheDesignScaled) {
  const MessageBoxLayout design = LayOutMessageBox(Measures(300, 26), MessageBoxKind::YesNo, true, 7);
  MessageBoxMeasures scaled = Measures(450, 39);
  scaled.countLabel = {39, 20};
  scaled.dpi = 144;
  const MessageBoxLayout l = LayOutMessageBox(scaled, MessageBoxKind::YesNo, true, 7);
  const DpiScale scale(144);
  const auto near = [&](int seen, int designed) { return std::abs(seen - scale(designed)) <= 1; };
  for (const auto& [seen, designed] : {std::pair{l.memo, design.memo}, {l.yes, design.yes}, {l.no, design.no},
                                       {l.pause, design.pause}, {l.marker, design.marker}}) {
    EXPECT_TRUE(near(seen.left, designed.left) && near(seen.top, designed.top) && near(seen.Right(), designed.Right()) &&
                near(seen.Bottom(), designed.Bottom()))
        << seen.left << "," << seen.top << " " << seen.width << "x" << seen.height << " for " << designed.left << ","
        << designed.top << " " << designed.width << "x" << designed.height;
  }
  EXPECT_TRUE(near(l.client.width, design.client.width) && near(l.client.height, design.client.height))
      << l.client.width << "x" << l.client.height << " for " << design.client.width << "x" << design.client.height;
  EXPECT_TRUE(near(l.picture.x, design.picture.x) && near(l.picture.y, design.picture.y));
}

}  // namespace
