// The system's file and colour dialogs, run as the program runs them over a window near the
// screen's bottom-right corner, where they would place themselves partly off the screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "edit/colour_commands.h"
#include "fake_window.h"
#include "scheduled.h"
#include "support/dialog_parts.h"
#include "support/screenshot.h"
#include "ui/file_dialog.h"

namespace {

struct Seen {
  bool inside = false;
  bool typesWhole = false;
  std::string where;  // the dialog's rectangle and the work area, for a failure
};

std::string Where(HWND dialog) {
  RECT r{};
  GetWindowRect(dialog, &r);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& w = monitor.rcWork;
  char text[128];
  snprintf(text, sizeof text, "dialog %ld,%ld-%ld,%ld in %ld,%ld-%ld,%ld", r.left, r.top, r.right, r.bottom, w.left,
           w.top, w.right, w.bottom);
  return text;
}

// Once the dialog shows, waits (up to five seconds) until it stands inside the work area and, for
// a file dialog, its type box shows its long type whole; then cancels it.
void LookThenCancel(Seen& seen, const std::string& name, bool fileDialog) {
  Scheduled::WhenShown("#32770", [&seen, name, fileDialog](HWND dialog) {
    auto look = std::make_shared<std::function<void(int)>>();
    *look = [&seen, name, fileDialog, dialog, look](int triesLeft) {
      RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      seen.inside = InsideWorkArea(dialog);
      seen.where = Where(dialog);
      seen.typesWhole = !fileDialog || TypeBoxShowsItsEntryWhole(dialog);
      if ((!seen.inside || !seen.typesWhole) && triesLeft > 0) {
        return Scheduled::After(50, [look, triesLeft] { (*look)(triesLeft - 1); });
      }
      Screenshot(name);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    };
    (*look)(100);
  });
}

TEST(SystemDialogs, StayInsideTheWorkAreaWithTheirTypesWhole) {
  FakeWindow host;
  SetWindowPos(host.Handle(), nullptr, 760, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Workspace workspace;
  ColourCommands colours{workspace, host};
  // A type longer than the box the dialog first gives it.
  FileDialog save(FileDialog::Kind::Save);
  save.Configure({"system dialog",
                  "ＢＭＰ／ＪＰＥＧ／ＰＮＧ／ＧＩＦ／ＴＩＦＦ files (*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.TIF;*.TIFF)|*.BMP|"
                  "ALL files (*.*)|*.*",
                  "BMP", "*.BMP", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY});
  const struct {
    const char* name;
    bool fileDialog;
    std::function<void()> run;
  } dialogs[] = {
      {"system-dialog-save", true, [&] { EXPECT_EQ(save.Run(host.Handle(), ""), FileDialogResult::Cancelled); }},
      {"system-dialog-colour", false, [&] { colours.BMPBG00Click(); }},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.name);
    Seen seen;
    LookThenCancel(seen, d.name, d.fileDialog);
    d.run();
    EXPECT_TRUE(seen.inside) << seen.where;
    EXPECT_TRUE(seen.typesWhole);
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
