#pragma once
#include <functional>
#include <string>
#include <vector>

#include "browser/browser_images.h"
#include "ui/controls.h"

// ComboBox2: the drives A to Z that the system knows as removable, fixed, remote, CD-ROM or
// RAM disk, each with its glyph; the selected drive's item also shows its label.
class DriveList {
 public:
  bool Create(HWND parent, const Bounds& bounds);
  HWND Handle() const { return ComboBox2.Handle(); }

  // Lists the drives and selects the one of `folder` without a label yet.
  void Fill(const std::string& folder);
  // Selects the drive's item; false when the drive is not listed.
  bool Select(char drive);
  char SelectedDrive() const;  // 0 for none
  // The selected item becomes letter + ":" + the volume label in brackets, or the network name.
  void LabelSelected();

  // Whether a disk is in the drive and readable; the system's critical-error box never shows.
  static bool DriveReady(char drive);

  std::function<void(char drive)> onChange;  // the user chose a drive

 private:
  struct Item {
    char letter;
    UINT type;
    std::string text;
  };
  void Draw(const DRAWITEMSTRUCT& item) const;

  OwnerDrawnComboBox ComboBox2;
  mutable ImageListHandle glyphs_;
  mutable int glyphsDpi_ = 0;
  std::vector<Item> items_;
};
