#include "output/print_commands.h"

#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "common/program_identity.h"
#include "ui/application.h"
#include "ui/dialog_placement.h"

namespace {

constexpr const char* PrintFailedText = "印刷に失敗しました・・・";
constexpr const char* SetupFailedText = "印刷設定に失敗しました・・・";

// One document on a printer DC: ended by End, aborted when it goes out of scope unended.
class PrintDocument {
 public:
  PrintDocument(HDC printer, const char* name) : printer_(printer) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name;
    started_ = StartDocA(printer_, &info) > 0;
  }
  PrintDocument(const PrintDocument&) = delete;
  PrintDocument& operator=(const PrintDocument&) = delete;
  ~PrintDocument() {
    if (started_) AbortDoc(printer_);
  }
  bool Started() const { return started_; }
  bool End() {
    started_ = false;
    return EndDoc(printer_) > 0;
  }

 private:
  HDC printer_;
  bool started_ = false;
};

}  // namespace

bool DrawPicturePage(HDC page, Size printable, const Picture& picture, PrintLayout layout) {
  // No picture, or a printer that reports no printable area: a failure rather than a blank page.
  const std::vector<Edges> cells = PrintCells(picture.GetSize(), printable, layout);
  if (cells.empty()) return false;
  // The picture's memory as GDI last left it.
  GdiFlush();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  for (const Edges& cell : cells) {
    // A cell below one printer pixel has nothing to show.
    if (cell.Width() <= 0 || cell.Height() <= 0) continue;
    if (StretchDIBits(page, cell.left, cell.top, cell.Width(), cell.Height(), 0, 0, picture.Width(),
                      picture.Height(), picture.Pixels(), &info, DIB_RGB_COLORS, SRCCOPY) <= 0) {
      return false;
    }
  }
  return true;
}

PrintOutcome PrintPicture(HDC printer, const Picture& picture, PrintLayout layout) {
  // The printable area starts at the DC's origin.
  const Size printable{GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
  PrintDocument document(printer, ProgramTitle);
  if (!document.Started()) return GetLastError() == ERROR_CANCELLED ? PrintOutcome::Cancelled : PrintOutcome::Failed;
  if (StartPage(printer) <= 0) return PrintOutcome::Failed;
  const bool drawn = DrawPicturePage(printer, printable, picture, layout);
  if (EndPage(printer) <= 0 || !drawn) return PrintOutcome::Failed;
  return document.End() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

void PrintCommands::Bind(CommandTable& commands) {
  commands.Bind("M_PrinterSetup1", [this] { M_PrinterSetup1Click(); });
  commands.Bind("M_Print1", [this] { M_Print1Click(); });
  commands.Bind("M_Print4", [this] { M_Print4Click(); });
}

std::optional<PrinterDc> PrintCommands::RunPrintDialog(DWORD flags, const char* failure) {
  const SystemDialogPlacement placement;
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_.Window().Handle();
  // The dialog may free these blocks and hand back others: it owns them until it returns.
  dialog.hDevMode = devMode_.Release();
  dialog.hDevNames = devNames_.Release();
  dialog.Flags = flags;
  dialog.nCopies = 1;
  const BOOL chosen = PrintDlgA(&dialog);
  devMode_.Reset(dialog.hDevMode);
  devNames_.Reset(dialog.hDevNames);
  PrinterDc printer(dialog.hDC);
  if (chosen) return printer;
  const DWORD error = CommDlgExtendedError();
  if (error == 0) return std::nullopt;  // cancelled
  // A printer that has gone away must not fail every later try: start again from the default.
  devMode_.Reset();
  devNames_.Reset();
  // Without any printer the dialog has already said so itself.
  if (error != PDERR_NODEFAULTPRN) window_.ShowMsg(failure);
  return std::nullopt;
}

void PrintCommands::M_PrinterSetup1Click() {
  TopMostSuspension topMost(window_);
  RunPrintDialog(PD_PRINTSETUP, SetupFailedText);
}

void PrintCommands::Print(PrintLayout layout) {
  const Picture& picture = workspace_.picture.Working();
  if (picture.Empty()) return;
  TopMostSuspension topMost(window_);
  const auto printer =
      RunPrintDialog(PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE, PrintFailedText);
  if (!printer) return;
  PrintOutcome outcome = PrintOutcome::Failed;
  {
    HourglassGuard busy;
    if (printer->Get()) outcome = PrintPicture(printer->Get(), picture, layout);
  }
  if (outcome == PrintOutcome::Failed) window_.ShowMsg(PrintFailedText);
}
