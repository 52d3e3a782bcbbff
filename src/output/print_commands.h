#pragma once
#include <optional>
#include <string>

#include "output/print_fit.h"
#include "ui/command_table.h"
#include "ui/handles.h"
#include "ui/picture.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

struct GlobalMemoryTraits {
  static void Close(HGLOBAL memory) { GlobalFree(memory); }
};
// The DEVMODE and DEVNAMES blocks the print dialogs read and hand back.
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;
// A printer DC from the print dialog, deleted like any DC we created.
using PrinterDc = UniqueHandle<HDC, MemoryDcTraits>;

// Stretch-draws the whole picture into each cell of the layout on `page`, whose printable area
// is `printable` pixels; false when there is nothing to draw or a drawing call fails.
bool DrawPicturePage(HDC page, Size printable, const Picture& picture, PrintLayout layout);

enum class PrintOutcome { Printed, Cancelled, Failed };

// Prints the picture as one document of one page on the printer; the document is always ended,
// aborted when anything fails. Cancelled when the user cancelled the document before it began
// (the file name a PDF or XPS printer asks for).
PrintOutcome PrintPicture(HDC printer, const Picture& picture, PrintLayout layout);

// Printing the working picture: once fitted to the page or sixteen times in a 4 × 4 grid, and
// the system's printer setup. The printer and paper the user chose stay for the rest of the run.
class PrintCommands {
 public:
  PrintCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void M_PrinterSetup1Click();
  void M_Print1Click() { Print(PrintLayout::OnePage); }
  void M_Print4Click() { Print(PrintLayout::Grid4x4); }

 private:
  void Print(PrintLayout layout);
  // Runs the system's print dialog with the printer and paper chosen so far and keeps what it
  // hands back. Nothing when it was cancelled or failed (a failure is reported with `failure`).
  std::optional<PrinterDc> RunPrintDialog(DWORD flags, const char* failure);

  Workspace& workspace_;
  MainWindowServices& window_;
  GlobalMemory devMode_;
  GlobalMemory devNames_;
};
