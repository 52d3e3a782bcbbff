// The main block: decides the start mode, hands a second start over to the running copy,
// and opens the main window or the installer window.
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/hand_over.h"
#include "app/main_window.h"
#include "app/settings_store.h"
#include "common/path_helpers.h"
#include "common/program_constants.h"
#include "formats/jpeg_library.h"
#include "setup/setup_window.h"
#include "shell/file_system.h"
#include "ui/application.h"

namespace {

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return arguments;
}

std::string OwnFileName() {
  const std::vector<std::string> parts = ComponentsWithoutSeparators(ExecutablePath());
  return parts.empty() ? std::string() : parts.back();
}

bool WindowOfClassExists(const char* className) { return FindWindowA(className, nullptr) != nullptr; }

SetupMode SetupModeFor(StartMode mode) {
  switch (mode) {
    case StartMode::Uninstall:
      return SetupMode::Uninstall;
    case StartMode::UninstallHelper:
      return SetupMode::UninstallHelper;
    case StartMode::Busy:
      return SetupMode::Busy;
    case StartMode::Normal:
      break;
  }
  return SetupMode::Install;
}

int RunSetupWindow(StartMode mode, const std::vector<std::string>& arguments) {
  SetupWindow window(SetupModeFor(mode), arguments);
  if (!window.Create()) return 1;
  return Application::Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application::SetTitle(ProgramTitle);
  const std::vector<std::string> arguments = CommandLineArguments();

  StartMode mode = DecideStartMode(arguments.empty() ? nullptr : &arguments.front(), OwnFileName());
  if (mode != StartMode::Normal) {
    if (mode == StartMode::Uninstall &&
        (WindowOfClassExists(MainWindow::ClassName) || WindowOfClassExists(SetupWindow::ClassName))) {
      mode = StartMode::Busy;
    }
    return RunSetupWindow(mode, arguments);
  }

  if (HWND running = FindWindowA(MainWindow::ClassName, nullptr)) {
    SendHandOver(running, JoinHandOverText(arguments));
    return 0;
  }

  const auto storedVersion = SettingsStore::ReadValue("Version");
  if (!StoredVersionMatches(storedVersion ? &*storedVersion : nullptr)) {
    if (WindowOfClassExists(SetupWindow::ClassName)) return 0;
    return RunSetupWindow(StartMode::Normal, arguments);
  }

  MainWindow window(ProgramContext{ExecutableFolder(), WindowsFolder(), arguments, JpegLibraryVersion()});
  if (!window.Create()) return 1;
  return Application::Run();
}
