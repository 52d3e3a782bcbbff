#pragma once
#include <functional>
#include <string>
#include <vector>

#include "browser/browser_images.h"
#include "ui/child_control.h"

// ListBox1: the folder list, one row a level of the current folder (open glyph) or one of its
// subfolders (closed glyph), indented by level; the selected row is bold.
class FolderListBox : public ChildControl {
 public:
  struct Row {
    std::string name;
    int level = 0;
    bool open = false;
  };

  bool Create(HWND parent, const Bounds& bounds, HFONT font, HFONT boldFont);
  // The fonts of the window's scale; the rows and glyphs follow that scale.
  void SetFonts(HFONT font, HFONT boldFont);
  void SetRows(std::vector<Row> rows, int selected);
  const std::vector<Row>& Rows() const { return rows_; }
  int Selected() const;

  std::function<void()> onClick;

 protected:
  bool OnNotification(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  std::vector<Row> rows_;
  ImageListHandle glyphs_;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  int glyphSide_ = 0;
};
