#pragma once
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The colour edits of the working picture: clearing it with the chosen clear colour (seven
// entries, the last one the user's own from the colour dialog) and inverting its colours.
// Neither changes the base picture.
class ColourCommands {
 public:
  ColourCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);
  // The check of the current entry and BMPBG6's caption, from the settings.
  void ShowSettings();

  void MBMP_CLR0Click();
  void MBMP_CLRClick();
  void BMPBG0Click(int index);
  void BMPBG00Click();
  // The colour the dialog gave becomes the user colour and the current entry.
  void TakeUserColour(int colour);
  void MIRO_TURNClick();

 private:
  void SelectEntry(int index);

  Workspace& workspace_;
  MainWindowServices& window_;
};
