#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "fake_window.h"
#include "scheduled.h"
#include "ui/application.h"

namespace {

struct Seen {
  std::string caption;
  std::vector<std::string> texts;
};

// What the open box shows, then `answer` sent to it.
void AnswerBox(Seen& seen, const std::function<void(HWND)>& answer) {
  Scheduled::After(50, [&seen, answer] {
    HWND box = FindWindowA(TAboutBox::ClassName, nullptr);
    ASSERT_NE(box, nullptr);
    char text[256] = {};
    GetWindowTextA(box, text, sizeof text);
    seen.caption = text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM list) -> BOOL {
          char caption[256] = {};
          GetWindowTextA(child, caption, sizeof caption);
          reinterpret_cast<std::vector<std::string>*>(list)->push_back(caption);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen.texts));
    answer(box);
  });
}

bool Shows(const Seen& seen, const std::string& text) {
  return std::find(seen.texts.begin(), seen.texts.end(), text) != seen.texts.end();
}

TEST(AboutBox, OnlyOkAnswersTrueAndTheLabelsFollowTheTexts) {
  FakeWindow host;
  Application::SetMainWindow(host.Handle());
  Application::SetTitle("ピクトラン ");
  TAboutBoxDlg about;
  about.ProductName = "PIKTO";
  about.Version = "?.?";
  about.PeriodText = "2026.01-2026.12";
  about.Comment1 = "二行目";

  Seen ok;
  AnswerBox(ok, [](HWND box) { PostMessageA(box, WM_KEYDOWN, VK_RETURN, 1); });  // Enter: the default Ｏ Ｋ
  EXPECT_TRUE(about.Execute());
  EXPECT_EQ(ok.caption, "ピクトラン  バージョン情報");  // no title: the application's
  EXPECT_TRUE(Shows(ok, "ProductName PIKTO"));
  EXPECT_TRUE(Shows(ok, "Version ?.?"));
  EXPECT_TRUE(Shows(ok, "Copyright 2026.01-2026.12"));
  EXPECT_TRUE(Shows(ok, "二行目"));

  Seen closed;
  about.Title = "ほかの題";
  AnswerBox(closed, [](HWND box) { PostMessageA(box, WM_CLOSE, 0, 0); });
  EXPECT_FALSE(about.Execute());
  EXPECT_EQ(closed.caption, "ほかの題 バージョン情報");
  EXPECT_EQ(FindWindowA(TAboutBox::ClassName, nullptr), nullptr);
  Application::SetMainWindow(nullptr);
}

}  // namespace
