#include <gtest/gtest.h>

#include "capture/capture_captions.h"

namespace {

TEST(CaptureCaptions, FollowTypeAndDelay) {
  const struct {
    bool fixed;
    int seconds;
    const char* command;
    const char* button;
  } cases[] = {
      {true, 3, "ﾀｲﾏｰ固取 3 (&G)", "ﾀｲﾏｰ固取3(&G)"},
      {true, 60, "ﾀｲﾏｰ固取 60 (&G)", "ﾀｲﾏｰ固取60(&G)"},
      {true, 0, "固定取込(&G)", "固定取込(&G)"},
      {false, 1, "ﾀｲﾏｰ取込 1 (&G)", "ﾀｲﾏｰ取込1(&G)"},
      {false, 15, "ﾀｲﾏｰ取込 15 (&G)", "ﾀｲﾏｰ取込15(&G)"},
      {false, 0, "取り込み(&G)", "取り込み(&G)"},
  };
  for (const auto& c : cases) {
    const CaptureCaptions captions = CaptureCaptionsFor(c.fixed, c.seconds);
    EXPECT_EQ(captions.command, c.command);
    EXPECT_EQ(captions.button, c.button);
  }
}

TEST(CaptureCaptions, EveryDelayEntry) {
  const int seconds[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 40, 50, 60};
  for (int index = 0; index < 12; ++index) {
    EXPECT_EQ(DelaySeconds(index), seconds[index]);
    const std::string n = std::to_string(seconds[index]);
    if (index > 0) {
      EXPECT_EQ(DelayEntryCaption(index), n + " 秒");
      EXPECT_EQ(CaptureCaptionsFor(true, DelaySeconds(index)).command, "ﾀｲﾏｰ固取 " + n + " (&G)");
      EXPECT_EQ(CaptureCaptionsFor(false, DelaySeconds(index)).button, "ﾀｲﾏｰ取込" + n + "(&G)");
    }
  }
  EXPECT_EQ(DelaySeconds(-1), 0);
  EXPECT_EQ(DelaySeconds(12), 0);
}

TEST(CaptureCaptions, SizeBarAfterACapture) {
  EXPECT_EQ(CaptureSizeText({0, 0, 1024, 768}), "取り込みサイズ　左上 0, 0 サイズ 1024, 768");
  EXPECT_EQ(CaptureSizeText({100, 50, 32, 32}), "取り込みサイズ　左上 100, 50 サイズ 32, 32");
}

}  // namespace
