#pragma once
#include <string>
#include <vector>

#include "ui/win32.h"

#include <commdlg.h>

// Something a dialog shows beside its standard controls (a child template and its hook).
class FileDialogExtension {
 public:
  virtual ~FileDialogExtension() = default;
  virtual void Attach(OPENFILENAMEA& dialog) = 0;
};

// What a file dialog shows; the filter is "caption|patterns|caption|patterns|…".
struct FileDialogSetup {
  std::string title;
  std::string filter;
  std::string defaultExtension;  // without the dot; empty for none
  std::string fileName;          // the name field when the dialog first opens
  DWORD options = 0;             // OFN_ flags besides OFN_EXPLORER
  FileDialogExtension* extension = nullptr;  // not owned; outlives every run of the dialog
};

enum class FileDialogResult { Chosen, Cancelled, Failed };

// A save or open dialog of comdlg32 that keeps its setup and the last chosen name between uses,
// as a component of its window does.
class FileDialog {
 public:
  enum class Kind { Open, Save };
  explicit FileDialog(Kind kind) : kind_(kind) {}

  bool Configured() const { return configured_; }
  void Configure(const FileDialogSetup& setup);
  void SetTitle(const std::string& title) { setup_.title = title; }

  // Runs the dialog modally over `owner`, starting in `initialFolder`.
  FileDialogResult Run(HWND owner, const std::string& initialFolder);
  // The chosen file (the first one of a multiple selection) and its folder, ending in a backslash.
  const std::string& FileName() const { return fileName_; }
  const std::string& Folder() const { return folder_; }
  // Every chosen file, in the order the dialog gives them.
  const std::vector<std::string>& FileNames() const { return fileNames_; }
  // The filter the user had chosen, counted from 1 as the dialog counts.
  int FilterIndex() const { return filterIndex_; }

 private:
  Kind kind_;
  bool configured_ = false;
  FileDialogSetup setup_;
  std::string fileName_;
  std::string folder_;
  std::vector<std::string> fileNames_;
  int filterIndex_ = 1;
};

// "a|b|c|d" as comdlg32 wants it: "a\0b\0c\0d\0\0". A bar that is the second byte of a Shift-JIS
// character is no separator.
std::string DialogFilter(const std::string& filter);
