#include "app/incoming_files.h"

#include <utility>

#include "app/hand_over.h"
#include "app/long_path.h"
#include "shell/file_system.h"

namespace {

HandedFiles ByArgumentRules(const std::vector<std::string>& arguments) {
  HandedFiles handed;
  ApplyArgumentRules(arguments, FileProbe{FileExists, ExpandLongPath}, handed);
  return handed;
}

}  // namespace

void IncomingFiles::TakeCommandLine(const std::vector<std::string>& arguments) {
  const HandedFiles handed = ByArgumentRules(arguments);
  captureRequested_ = handed.captureRequested;
  Take(handed);
}

void IncomingFiles::StartRequestedCapture() {
  if (captureRequested_) capture_.MPIKTOClick();
}

void IncomingFiles::Take(const HandedFiles& handed) {
  history_.OpenHandedFiles(handed.files);
}

void IncomingFiles::OnHandOver(WPARAM atom) {
  const std::string text = ReadHandOverAtom(atom);
  // While a capture waits for its delay the window stays hidden, or the capture would show it.
  if (!capture_.CapturePending()) {
    HWND window = window_.Window().Handle();
    if (!IsIconic(window)) SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
  }
  if (text.empty()) return;
  handedOver_ = ByArgumentRules(SplitHandOverText(text + "?"));
  PostMessageA(window_.Window().Handle(), OpenHandedOverMessage, 0, 0);
}

void IncomingFiles::OpenHandedOver() {
  const HandedFiles handed = std::exchange(handedOver_, {});
  if (handed.captureRequested || capture_.CapturePending()) {
    // Listed, not loaded: a load would show the window before the capture.
    history_.ListHandedFiles(handed.files);
    if (handed.captureRequested) capture_.MPIKTOClick();
  } else {
    Take(handed);
  }
}

void IncomingFiles::OnDropFiles(HDROP drop) {
  HandedFiles handed;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char name[301] = {};
    const UINT length = DragQueryFileA(drop, i, name, sizeof name);
    const std::string file(name, length < sizeof name ? length : 0);
    if (LooksLikeFullPath(file)) handed.files.push_back(file);
  }
  DragFinish(drop);
  Take(handed);
}
