#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "capture/capture_commands.h"
#include "capture/value_entry.h"
#include "workspace/size_bar.h"

// The size bar's value entry: the top-left size, the centre correction and the JPEG quality
// are typed into EditSize and confirmed with ColorBtn_SZ, while the other commands wait.
class ValueEntryCommands {
 public:
  // `waiting`: the buttons that wait with the menus while a value is typed.
  ValueEntryCommands(Workspace& workspace, MainWindowServices& window, SizeBar& sizeBar, CaptureCommands& capture,
                     std::array<const WindowView*, 3> waiting);

  void Bind(CommandTable& commands);

  void MGET_LEFTClick(ValueEntryMode mode);
  void ColorBtn_SZClick();
  bool Active() const { return mode_.has_value(); }

  // Runs after a centre correction was confirmed: the composition with the new correction.
  std::function<void()> onCentreCorrection;

 private:
  void LeaveValueEntry();
  void SetWaitingControlsEnabled(bool enabled);

  Workspace& workspace_;
  MainWindowServices& window_;
  SizeBar& sizeBar_;
  CaptureCommands& capture_;
  std::array<const WindowView*, 3> waiting_;
  std::optional<ValueEntryMode> mode_;
  std::string rememberedText_;
};
