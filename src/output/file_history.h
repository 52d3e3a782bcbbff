#pragma once
#include <string>
#include <vector>

#include "output/file_commands.h"
#include "ui/controls.h"
#include "ui/panel.h"

// The file history panel Panel_FHIS over Panel_Top: ListBox_FHIS holds the files the user
// loaded, dropped or handed over; a double-click loads the current entry.
class FileHistory {
 public:
  explicit FileHistory(FileCommands& files) : files_(files) {}

  void Create(HWND parent, const Bounds& bounds, COLORREF colour);
  // Covers Panel_Top, whose size bar ends at `height`.
  void Fit(int width, int height) const;

  // Dropped, handed-over and command-line files: appended, the first of them selected and
  // current.
  void Append(const std::vector<std::string>& files) const;
  void ListBox_FHISDblClick();

  Panel Panel_FHIS;
  ListBox ListBox_FHIS;
  Label Label_FHIS_KOSU;

 private:
  void ShowCount() const;

  FileCommands& files_;
};
