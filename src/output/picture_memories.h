#pragma once
#include <string>

#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The two picture memories of the File menu, kept as work files beside the program so that they
// survive restarts; the memory save also writes the file history's snapshot.
class PictureMemories {
 public:
  PictureMemories(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MF_BMP0Click();
  // Memory 1 or 2.
  void MBMP_M1SAVEClick(int memory);
  void MBMP_M1LOADClick(int memory);

  // Writes the working picture to the work file `workFile` in the program folder; a failure is
  // reported. False when it was not written.
  bool SaveMemory(const char* workFile);

 private:
  std::string MemoryPath(int memory) const;

  Workspace& workspace_;
  MainWindowServices& window_;
};
