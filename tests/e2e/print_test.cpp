// Printing seen from outside, through the print server's PDF printer: 印刷設定 opens the system's
// setup dialog, which closes again; a cancelled 印刷 prints nothing; 印刷 and 4*4印刷 go through
// the system's print dialog, and the PDF each leaves, rendered, shows the picture at the top-left
// corner of the printable area once, fitted to its width, or 4 × 4 times in the same area; paper
// turned on its side in the setup dialog stays for the next print.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "formats/bmp_format.h"
#include "support/screenshot.h"
#include "window_parts.h"
// After <windows.h>, which driver.h brings.
#include <dlgs.h>
#include <winspool.h>

namespace e2e {
namespace {

constexpr int PictureWidth = 160;
constexpr int PictureHeight = 120;
constexpr COLORREF Quarters[2][2] = {{RGB(255, 0, 0), RGB(0, 255, 0)}, {RGB(0, 0, 255), RGB(255, 255, 0)}};
constexpr COLORREF White = RGB(255, 255, 255);
constexpr DWORD PdfTimeoutMs = 90000;
constexpr int RenderDpi = 40;

// The Linux side, reached through Wine's own exports: the PDF printer writes into the Linux home
// of the job's user, and a Linux program renders the PDF. These tests only ever run under Wine.
std::string UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  std::wstring wide(windowsPath.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(),
                                                           static_cast<int>(wide.size()))));
  char* unix = toUnix(wide.c_str());
  if (!unix) return {};
  std::string result(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

bool RunLinux(std::vector<std::string> arguments) {
  using Spawn = LONG(CDECL*)(char* const*, int);
  const auto spawn = reinterpret_cast<Spawn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp")));
  if (!spawn) return false;
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return spawn(argv.data(), 1) == 0;
}

// cups-pdf's folder of the job's user: PDF in the Linux home, which Wine names as a drive path.
std::string PdfFolder() {
  char home[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home);
  std::string folder(home, length < sizeof home ? length : 0);
  if (folder.rfind("\\??\\", 0) == 0) folder.erase(0, 4);
  return folder + "\\PDF\\";
}

std::set<std::string> PdfFiles(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.insert(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// A page rendered from the PDF: 24-bit pixels read from pdftoppm's PPM.
struct RenderedPage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  COLORREF At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return RGB(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) < 48 && std::abs(GetGValue(a) - GetGValue(b)) < 48 &&
         std::abs(GetBValue(a) - GetBValue(b)) < 48;
}

// Renders the PDF's first page beside the screenshots, as PNG to look at and PPM to read.
RenderedPage Render(const std::string& pdf, const std::string& name) {
  const std::string out = UnixPath(ScreenshotFolder() + name);
  const std::string file = UnixPath(pdf);
  const std::string dpi = std::to_string(RenderDpi);
  EXPECT_TRUE(RunLinux({"pdftoppm", "-r", dpi, "-singlefile", "-png", file, out}));
  EXPECT_TRUE(RunLinux({"pdftoppm", "-r", dpi, "-singlefile", file, out}));
  RenderedPage page;
  std::ifstream in(ScreenshotFolder() + name + ".ppm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  in >> magic >> page.width >> page.height >> maximum;
  in.get();
  EXPECT_EQ(magic, "P6");
  EXPECT_EQ(maximum, 255);
  if (magic != "P6" || page.width <= 0 || page.height <= 0 || page.width > 4000 || page.height > 4000) return {};
  page.rgb.resize(static_cast<std::size_t>(page.width) * page.height * 3);
  in.read(reinterpret_cast<char*>(page.rgb.data()), static_cast<std::streamsize>(page.rgb.size()));
  EXPECT_TRUE(in) << name;
  return page;
}

// The default printer's page: the whole sheet and the printable area in printer pixels.
struct PrinterPage {
  int physicalWidth = 0;
  int physicalHeight = 0;
  int offsetX = 0;
  int offsetY = 0;
  int printableWidth = 0;
  int printableHeight = 0;
};

PrinterPage DefaultPrinterPage() {
  char name[256] = {};
  DWORD size = sizeof name;
  PrinterPage page;
  if (!GetDefaultPrinterA(name, &size)) return page;
  HDC printer = CreateDCA("WINSPOOL", name, nullptr, nullptr);
  if (!printer) return page;
  page = {GetDeviceCaps(printer, PHYSICALWIDTH),   GetDeviceCaps(printer, PHYSICALHEIGHT),
          GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY),
          GetDeviceCaps(printer, HORZRES),         GetDeviceCaps(printer, VERTRES)};
  DeleteDC(printer);
  return page;
}

// The same sheet turned on its side.
PrinterPage Landscape(const PrinterPage& p) {
  return {p.physicalHeight, p.physicalWidth, p.offsetY, p.offsetX, p.printableHeight, p.printableWidth};
}

// Each of `side` × `side` cells of the fitted area on the rendered page shows the four quarters,
// and the page is white just beside the area.
void ExpectPictureOnPage(const RenderedPage& rendered, const PrinterPage& printer, int side) {
  ASSERT_GT(rendered.width, 0);
  ASSERT_EQ(rendered.width > rendered.height, printer.physicalWidth > printer.physicalHeight);
  const double scale = static_cast<double>(rendered.width) / printer.physicalWidth;
  const double left = printer.offsetX * scale;
  const double top = printer.offsetY * scale;
  // The 4:3 picture enlarged to the printable width, or to its height where the width would
  // make it too tall.
  const bool byWidth = printer.printableWidth * PictureHeight / PictureWidth <= printer.printableHeight;
  const double width = (byWidth ? printer.printableWidth : printer.printableHeight * PictureWidth / PictureHeight) * scale;
  const double height = width * PictureHeight / PictureWidth;
  const double cellWidth = width / side;
  const double cellHeight = height / side;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      for (int qy = 0; qy < 2; ++qy) {
        for (int qx = 0; qx < 2; ++qx) {
          const int x = static_cast<int>(left + cellWidth * (column + 0.25 + 0.5 * qx));
          const int y = static_cast<int>(top + cellHeight * (row + 0.25 + 0.5 * qy));
          EXPECT_TRUE(Near(rendered.At(x, y), Quarters[qy][qx]))
              << "cell " << row << ", " << column << " quarter " << qy << ", " << qx << " at " << x << ", " << y
              << ": " << std::hex << rendered.At(x, y);
        }
      }
    }
  }
  // The area begins at the printable area's corner and ends where the fit says.
  EXPECT_TRUE(Near(rendered.At(static_cast<int>(left) + 1, static_cast<int>(top) + 1), Quarters[0][0]));
  EXPECT_TRUE(Near(rendered.At(static_cast<int>(left + width) - 2, static_cast<int>(top + height) - 2), Quarters[1][1]));
  if (byWidth) {
    EXPECT_EQ(rendered.At(static_cast<int>(left + width / 2), static_cast<int>(top + height) + 2), White);
  } else {
    EXPECT_EQ(rendered.At(static_cast<int>(left + width) + 2, static_cast<int>(top + height / 2)), White);
  }
}

class PrintWalk {
 public:
  PrintWalk(const Process& process, HWND main) : process_(process), main_(main) {}
  PrintWalk(const PrintWalk&) = delete;
  PrintWalk& operator=(const PrintWalk&) = delete;
  // The printed PDFs go; their rendered pages stay beside the screenshots.
  ~PrintWalk() {
    for (const std::string& pdf : printed_) DeleteFileA(pdf.c_str());
  }

  // The system's dialog the menu entry opens; null when none shows.
  HWND OpenDialog(const std::string& mnemonics) {
    return ChooseMenuEntry(main_, mnemonics) ? WaitForSystemDialog(process_) : nullptr;
  }
  // A screenshot once the menu has gone and the dialog is drawn.
  void Screenshot(HWND dialog, const std::string& name) {
    EXPECT_TRUE(WaitUntil([&] { return OpenMenuPopups(main_) == 0; }));
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::Screenshot(name);
  }
  bool Answer(HWND dialog, int command) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, command)));
    return WaitUntil([&] { return !IsWindow(dialog); });
  }
  // The next PDF the printer writes; empty when none comes in time.
  std::string NextPdf() {
    std::string pdf;
    WaitUntil(
        [&] {
          for (const std::string& name : PdfFiles(folder_)) {
            if (!known_.count(name)) pdf = name;
          }
          return !pdf.empty();
        },
        PdfTimeoutMs);
    if (pdf.empty()) return {};
    known_.insert(pdf);
    printed_.push_back(folder_ + pdf);
    // cups-pdf writes the file under its final name, so it is whole only once the job has left
    // the queue; the main window is enabled again once the program has ended the document.
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(main_) && NoJobLeft(); }, PdfTimeoutMs));
    return folder_ + pdf;
  }
  std::set<std::string> NewPdfs() const {
    std::set<std::string> added;
    for (const std::string& name : PdfFiles(folder_)) {
      if (!known_.count(name)) added.insert(name);
    }
    return added;
  }

 private:
  bool NoJobLeft() const { return RunLinux({"sh", "-c", "test -z \"$(lpstat -o)\""}); }

  const Process& process_;
  HWND main_;
  std::string folder_ = PdfFolder();
  std::set<std::string> known_ = PdfFiles(folder_);
  std::vector<std::string> printed_;
};

void WriteQuarters(const std::string& path) {
  PixelBuffer picture(PictureWidth, PictureHeight, 0);
  for (int y = 0; y < PictureHeight; ++y) {
    for (int x = 0; x < PictureWidth; ++x) {
      const COLORREF c = Quarters[y >= PictureHeight / 2][x >= PictureWidth / 2];
      picture.At(x, y) = MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
    }
  }
  const auto bytes = EncodeBmp(picture);
  ASSERT_TRUE(bytes.has_value());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
}

TEST(Printing, SetupThenCancelThenOnePageAndFourByFourOnThePdfPrinter) {
  const PrinterPage printer = DefaultPrinterPage();
  ASSERT_GT(printer.printableWidth, 0) << "no default printer: the print server must run before Wine starts";
  ASSERT_LT(printer.physicalWidth, printer.physicalHeight);

  Program program;
  Program::SetSetting("Version", "17");
  const std::string file = program.Folder() + "QUARTERS.BMP";
  WriteQuarters(file);
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  LoadPicture(process, main, file);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(SizeBar(main)) == "ＣＧロードサイズ 160, 120" && IsWindowVisible(main); }));
  PrintWalk walk(process, main);

  HWND setup = walk.OpenDialog("FI");
  ASSERT_NE(setup, nullptr);
  walk.Screenshot(setup, "print-setup-dialog");
  ASSERT_TRUE(walk.Answer(setup, IDOK));

  HWND cancelled = walk.OpenDialog("FP");
  ASSERT_NE(cancelled, nullptr);
  walk.Screenshot(cancelled, "print-dialog");
  ASSERT_TRUE(walk.Answer(cancelled, IDCANCEL));

  HWND print = walk.OpenDialog("FP");
  ASSERT_NE(print, nullptr);
  ASSERT_TRUE(walk.Answer(print, IDOK));
  const std::string onePage = walk.NextPdf();
  ASSERT_FALSE(onePage.empty());
  // The cancelled dialog left no document: the one PDF is the printed one.
  EXPECT_TRUE(walk.NewPdfs().empty());
  ExpectPictureOnPage(Render(onePage, "printed-one-page"), printer, 1);

  HWND grid = walk.OpenDialog("F4");
  ASSERT_NE(grid, nullptr);
  ASSERT_TRUE(walk.Answer(grid, IDOK));
  const std::string fourByFour = walk.NextPdf();
  ASSERT_FALSE(fourByFour.empty());
  ExpectPictureOnPage(Render(fourByFour, "printed-4x4"), printer, 4);

  // The paper turned in the setup dialog stays for the next print.
  HWND turn = walk.OpenDialog("FI");
  ASSERT_NE(turn, nullptr);
  SendMessageA(GetDlgItem(turn, rad2), BM_CLICK, 0, 0);
  ASSERT_TRUE(walk.Answer(turn, IDOK));
  HWND turned = walk.OpenDialog("FP");
  ASSERT_NE(turned, nullptr);
  ASSERT_TRUE(walk.Answer(turned, IDOK));
  const std::string landscape = walk.NextPdf();
  ASSERT_FALSE(landscape.empty());
  ExpectPictureOnPage(Render(landscape, "printed-landscape"), Landscape(printer), 1);

  CloseAndWait(process, main);
}

}  // namespace
}  // namespace e2e
