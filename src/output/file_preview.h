#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/pixels.h"
#include "ui/file_dialog.h"
#include "ui/picture.h"

// Reads a file for the preview; nullopt when it is no picture.
using PreviewReader = std::function<std::optional<PixelBuffer>(const std::string&)>;

// The picture preview pane of an open dialog: a pane beside the standard controls that shows
// the selected file scaled to fit.
class FilePreview : public FileDialogExtension {
 public:
  explicit FilePreview(PreviewReader reader);
  FilePreview(const FilePreview&) = delete;
  FilePreview& operator=(const FilePreview&) = delete;

  // Gives the dialog our pane and hook; this object must outlive the dialog's run.
  void Attach(OPENFILENAMEA& dialog) override;

 private:
  static UINT_PTR CALLBACK Hook(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
  void Show(HWND pane, const std::string& file);
  void Draw(const DRAWITEMSTRUCT& item) const;

  PreviewReader reader_;
  std::vector<WORD> template_;
  Picture picture_;
};
