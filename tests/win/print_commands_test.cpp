#include <gtest/gtest.h>

#include <string>

#include "fake_window.h"
#include "output/print_commands.h"
// After <windows.h>, which the headers above bring.
#include <dlgs.h>
#include <winspool.h>

namespace {

constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Green = MakePixel(0, 255, 0);
constexpr Pixel Blue = MakePixel(0, 0, 255);
constexpr Pixel Yellow = MakePixel(255, 255, 0);
constexpr Pixel White = MakePixel(255, 255, 255);

// An 8 × 6 picture of four coloured quarters: red, green above; blue, yellow below.
Picture Quarters() {
  PixelBuffer pixels(8, 6, Red);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) pixels.At(x, y) = y < 3 ? (x < 4 ? Red : Green) : (x < 4 ? Blue : Yellow);
  }
  Picture picture;
  EXPECT_TRUE(picture.Assign(pixels));
  return picture;
}

// While it lives, answers the first system dialog this thread shows with `command`, and
// remembers whether that dialog offered a printer choice.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(int command) : command_(command) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 50, &DialogAnswerer::Tick);
  }
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  ~DialogAnswerer() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Answered() const { return answered_; }
  bool OfferedPrinters() const { return offeredPrinters_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!current_ || current_->answered_) return;
    EnumThreadWindows(GetCurrentThreadId(), &DialogAnswerer::Found, 0);
  }
  static BOOL CALLBACK Found(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    current_->answered_ = true;
    // The printer list: cmb4 in the print dialog, cmb1 in the setup dialog.
    HWND printers = GetDlgItem(window, cmb4) ? GetDlgItem(window, cmb4) : GetDlgItem(window, cmb1);
    current_->offeredPrinters_ = printers && SendMessageA(printers, CB_GETCOUNT, 0, 0) > 0;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(current_->command_, BN_CLICKED), 0);
    return FALSE;
  }

  static inline DialogAnswerer* current_ = nullptr;
  int command_;
  UINT_PTR timer_ = 0;
  bool answered_ = false;
  bool offeredPrinters_ = false;
};

struct LayoutCase {
  const char* name;
  PrintLayout layout;
  int cellWidth;
  int cellHeight;
  int cells;  // per side
};

// The picture drawn onto a 400 × 400 page of memory: fitted to 400 × 300, whole in every cell,
// the rest of the page untouched.
TEST(PrintPage, ThePictureFillsEachCellOfItsLayout) {
  const Picture picture = Quarters();
  const LayoutCase cases[] = {{"OnePage", PrintLayout::OnePage, 400, 300, 1},
                              {"Grid4x4", PrintLayout::Grid4x4, 100, 75, 4}};
  for (const LayoutCase& c : cases) {
    Picture page;
    ASSERT_TRUE(page.Assign(PixelBuffer(400, 400, White)));
    {
      PictureDc dc(page);
      ASSERT_TRUE(DrawPicturePage(dc.Get(), {400, 400}, picture, c.layout)) << c.name;
    }
    GdiFlush();
    const auto at = [&](int x, int y) { return page.Row(y)[x] & 0xFFFFFF; };
    for (int row = 0; row < c.cells; ++row) {
      for (int column = 0; column < c.cells; ++column) {
        const int left = column * c.cellWidth;
        const int top = row * c.cellHeight;
        const int qx = c.cellWidth / 4;
        const int qy = c.cellHeight / 4;
        EXPECT_EQ(at(left + qx, top + qy), Red) << c.name << " " << row << ", " << column;
        EXPECT_EQ(at(left + 3 * qx, top + qy), Green) << c.name << " " << row << ", " << column;
        EXPECT_EQ(at(left + qx, top + 3 * qy), Blue) << c.name << " " << row << ", " << column;
        EXPECT_EQ(at(left + 3 * qx, top + 3 * qy), Yellow) << c.name << " " << row << ", " << column;
      }
    }
    EXPECT_EQ(at(399, 299), Yellow) << c.name;
    EXPECT_EQ(at(0, 300), White) << c.name;
    EXPECT_EQ(at(399, 399), White) << c.name;
  }
}

TEST(PrintPage, NothingDrawnWithoutAPrinterOrAPrintableArea) {
  const Picture picture = Quarters();
  Picture page;
  ASSERT_TRUE(page.Assign(PixelBuffer(40, 40, White)));
  {
    PictureDc dc(page);
    // No document on a DC that is no printer.
    EXPECT_EQ(PrintPicture(dc.Get(), picture, PrintLayout::OnePage), PrintOutcome::Failed);
    // A driver that reports no printable area: a failure, not a blank page.
    EXPECT_FALSE(DrawPicturePage(dc.Get(), {0, 0}, picture, PrintLayout::Grid4x4));
    EXPECT_FALSE(DrawPicturePage(dc.Get(), {40, 40}, Picture(), PrintLayout::OnePage));
  }
  GdiFlush();
  EXPECT_EQ(page.Row(0)[0] & 0xFFFFFF, White);
}

// A PDF or XPS printer asks for a file name when the document starts; cancelling that prompt
// makes StartDoc fail with ERROR_CANCELLED. Here the DC's abort procedure, which StartDoc asks
// first, answers as the cancelled prompt does.
BOOL CALLBACK CancelAsTheFilePromptDoes(HDC, int) {
  SetLastError(ERROR_CANCELLED);
  return FALSE;
}

TEST(PrintPage, ADocumentCancelledAtItsStartIsACancelNotAFailure) {
  char printerName[256] = {};
  DWORD length = sizeof printerName;
  ASSERT_TRUE(GetDefaultPrinterA(printerName, &length));
  PrinterDc printer(CreateDCA("WINSPOOL", printerName, nullptr, nullptr));
  ASSERT_TRUE(printer);
  SetAbortProc(printer.Get(), CancelAsTheFilePromptDoes);
  EXPECT_EQ(PrintPicture(printer.Get(), Quarters(), PrintLayout::OnePage), PrintOutcome::Cancelled);
}

class PrintCommandsTest : public testing::Test {
 protected:
  FakeWindow host_;
  Workspace workspace_;
  PrintCommands printing_{workspace_, host_};
};

TEST_F(PrintCommandsTest, WithoutAPictureNoDialogOpens) {
  DialogAnswerer answerer(IDCANCEL);
  printing_.M_Print1Click();
  printing_.M_Print4Click();
  EXPECT_FALSE(answerer.Answered());
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(PrintCommandsTest, CancellingThePrintDialogsSaysNothing) {
  ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(8, 6, Red)));
  for (const bool setup : {true, false}) {
    DialogAnswerer answerer(IDCANCEL);
    if (setup) {
      printing_.M_PrinterSetup1Click();
    } else {
      printing_.M_Print1Click();
    }
    EXPECT_TRUE(answerer.Answered()) << setup;
    EXPECT_TRUE(answerer.OfferedPrinters()) << setup;
    EXPECT_TRUE(host_.messages.empty()) << setup;
  }
}

}  // namespace
