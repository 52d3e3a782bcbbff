#pragma once
#include <string>
#include <vector>

#include "app/command_line.h"
#include "capture/capture_commands.h"
#include "output/file_history.h"

// Files and capture requests that reach the running program from outside: its command line,
// a second start's hand-over and files dropped on the window. Files go into the file history
// and the first of them is loaded.
class IncomingFiles {
 public:
  IncomingFiles(MainWindowServices& window, FileHistory& history, CaptureCommands& capture)
      : window_(window), history_(history), capture_(capture) {}

  // The start-up's last steps: the command line's files, then its "/G" capture request.
  void TakeCommandLine(const std::vector<std::string>& arguments);
  void StartRequestedCapture();

  // The hand-over is read at once, so the second start can end; what it asks for runs when
  // OpenHandedOver comes (posted), not while the sender waits.
  void OnHandOver(WPARAM atom);
  void OpenHandedOver();
  void OnDropFiles(HDROP drop);

  // Posted to the main window after a hand-over.
  static constexpr UINT OpenHandedOverMessage = WM_APP + 1;

 private:
  void Take(const HandedFiles& handed);

  MainWindowServices& window_;
  FileHistory& history_;
  CaptureCommands& capture_;
  bool captureRequested_ = false;
  HandedFiles handedOver_;
};
