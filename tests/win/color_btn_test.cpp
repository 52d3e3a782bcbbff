#include <gtest/gtest.h>

#include "dialogs/color_btn.h"
#include "ui/application.h"

namespace {

// A window whose colour the buttons take; the colour can change while a button is held.
class GreenWindow : public Form {
 public:
  GreenWindow() {
    RegisterWindowClass("PIKTORAN_TEST_GREEN");
    CreateWindowOfClass("PIKTORAN_TEST_GREEN", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, {100, 100, 300, 200},
                        nullptr);
  }
  COLORREF Colour() const override { return colour; }
  bool HandleDialogKey(const MSG& message) override { return TColorBtn::HandleDialogKey(Handle(), message); }
  COLORREF colour = RGB(0, 128, 0);
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

struct Fixture : testing::Test {
  GreenWindow window;
  TColorBtn first, second;
  int firstClicks = 0, secondClicks = 0;
  void SetUp() override {
    first.Create(window.Handle(), {10, 10, 89, 33}, "はい(&Y)");
    second.Create(window.Handle(), {110, 10, 89, 33}, "いいえ");
    first.OnClick = [this] { ++firstClicks; };
    second.OnClick = [this] { ++secondClicks; };
    first.SetDefault(true);
    second.SetCancel(true);
  }
  static void Key(HWND target, UINT message, WPARAM key) {
    MSG msg{target, message, key, 0, 0, {}};
    Application::Dispatch(msg);
  }
};

using ColorBtn = Fixture;

TEST_F(ColorBtn, PressDarkensTheParentColourAndReleaseTakesItAgain) {
  const Bounds resting = first.GetBounds();
  SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  EXPECT_TRUE(first.Pressed());
  EXPECT_EQ(first.FaceColour(), RGB(0, 96, 0));
  EXPECT_EQ(first.TextColour(), RGB(0x33, 0x33, 0x33));  // black text shows dark grey
  EXPECT_EQ(first.GetBounds(), (Bounds{resting.left + 1, resting.top + 1, resting.width, resting.height}));
  window.colour = RGB(40, 200, 40);  // the window changes colour meanwhile
  SendMessageA(first.Handle(), WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_FALSE(first.Pressed());
  EXPECT_EQ(first.FaceColour(), RGB(40, 200, 40));
  EXPECT_EQ(first.GetBounds(), resting);
  EXPECT_EQ(firstClicks, 1);
}

TEST_F(ColorBtn, ReleasingOutsideDoesNotClickButComingBackDoes) {
  SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageA(first.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(150, 20));
  EXPECT_FALSE(first.Pressed());
  SendMessageA(first.Handle(), WM_LBUTTONUP, 0, At(150, 20));
  EXPECT_EQ(firstClicks, 0);

  SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  SendMessageA(first.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(-5, 20));
  SendMessageA(first.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(30, 20));
  EXPECT_TRUE(first.Pressed());
  SendMessageA(first.Handle(), WM_LBUTTONUP, 0, At(30, 20));
  EXPECT_EQ(firstClicks, 1);
}

// The colour the button shows at a point of its client area, once it has painted.
COLORREF Shown(const TColorBtn& button, int x, int y) {
  UpdateWindow(button.Handle());
  HDC dc = GetDC(button.Handle());
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(button.Handle(), dc);
  return colour;
}

TEST_F(ColorBtn, LosingTheMouseMidPressRaisesItAndTheNextPressClicks) {
  const Bounds resting = first.GetBounds();
  SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  ASSERT_EQ(GetCapture(), first.Handle());
  ASSERT_EQ(Shown(first, 0, 0), GetSysColor(COLOR_BTNSHADOW));  // sunk

  SetCapture(window.Handle());  // another window takes the mouse, as a message box does
  EXPECT_FALSE(first.Pressed());
  EXPECT_EQ(first.GetBounds(), resting);
  EXPECT_EQ(Shown(first, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised bevel
  EXPECT_EQ(Shown(first, 3, 3), RGB(0, 128, 0));                   // the window's colour again
  ReleaseCapture();
  SendMessageA(first.Handle(), WM_LBUTTONUP, 0, At(20, 20));  // the end of the lost press
  EXPECT_EQ(firstClicks, 0);

  SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
  EXPECT_TRUE(first.Pressed());
  SendMessageA(first.Handle(), WM_LBUTTONUP, 0, At(20, 20));
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(first.GetBounds(), resting);
}

TEST_F(ColorBtn, SpaceKeepsAnOwnFontColour) {
  second.SetFontColour(RGB(200, 0, 0));
  SendMessageA(second.Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(second.Pressed());
  EXPECT_EQ(second.TextColour(), RGB(0xDD, 0xDD, 0xDD));  // non-black text shows light grey
  SendMessageA(second.Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(second.TextColour(), RGB(200, 0, 0));
  EXPECT_EQ(secondClicks, 1);
}

TEST_F(ColorBtn, EnterGoesToTheFocusedButtonElseTheDefault) {
  SetFocus(window.Handle());
  TColorBtn::UpdateDefaults(window.Handle(), GetFocus());
  EXPECT_TRUE(first.ShowingDefault());
  EXPECT_EQ(first.BevelWidth(), 2);
  Key(window.Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(firstClicks, 1);

  SetFocus(second.Handle());
  EXPECT_TRUE(second.ShowingDefault());
  EXPECT_FALSE(first.ShowingDefault());
  EXPECT_EQ(first.BevelWidth(), 1);
  Key(second.Handle(), WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(secondClicks, 1);
  EXPECT_EQ(firstClicks, 1);

  Key(second.Handle(), WM_KEYDOWN, VK_ESCAPE);  // the cancel button
  EXPECT_EQ(secondClicks, 2);
  Key(second.Handle(), WM_CHAR, 'y');  // accelerator of はい(&Y)
  EXPECT_EQ(firstClicks, 2);
}

}  // namespace
