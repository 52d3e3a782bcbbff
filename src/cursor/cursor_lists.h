#pragma once
#include <array>
#include <string>
#include <vector>

#include "cursor/cursor_preview.h"
#include "cursor/load_cursor_entry.h"
#include "ui/controls.h"

// The four picture lists of the cursor bar: the image list of a multi-image file
// (ComboBox_Icon), the pointer scheme list (ComboBox_Select), the system cursor list
// (ComboBox_DEFAULT) and the arrow list (ComboBox_Arrow). Each item shows its cursor on
// maroon, which vanishes when the item is drawn.
class CursorLists {
 public:
  struct Controls {
    OwnerDrawnComboBox& ComboBox_Icon;
    OwnerDrawnComboBox& ComboBox_Select;
    OwnerDrawnComboBox& ComboBox_DEFAULT;
    OwnerDrawnComboBox& ComboBox_Arrow;
    Panel& Panel_Icon;
  };
  CursorLists(Workspace& workspace, MainWindowServices& window, CursorPreview& preview, Controls controls);

  void Create();

  // The start-up steps: each fills its list, selects its start-up entry and clicks it.
  void BuildSystemCursorList();
  void BuildSchemeList();
  void BuildArrowList();

  void ComboBox_DEFAULTClick();
  void ComboBox_SelectClick();
  void ComboBox_ArrowClick();
  void ComboBox_IconClick();

  // Fills the image list from a file with two or more images; otherwise it stays.
  void ListFileImages(std::string file);  // a copy: the load it starts clears the source file
  bool LoadListedImage(const CursorFileBytes& file, int index);
  void LayoutCursorBoxes() const;
  // The items as high as the cursors at the window's (new) scale.
  void FitItems() const;

 private:
  // The system's cursor size at the main window's scale: the size of the system cursors and
  // built-in glyphs taken, and of the lists' items.
  Size CursorSize() const;
  // A hot spot designed for a 32 × 32 cursor, at that size.
  Point AtCursorSize(Point designed) const;
  // Builds every entry with its item picture, then selects and clicks the start-up entry.
  void FillList(OwnerDrawnComboBox& list, std::vector<Picture>& pictures, std::size_t count,
                bool (CursorLists::*build)(int), int startIndex);
  bool BuildSystemCursor(int index);
  bool BuildSchemeRole(int index);
  bool BuildArrow(int index);
  void Redraw(CurrentCursor& cursor) const;
  void MakeItemPicture(Picture& picture) const;
  void DrawItem(const OwnerDrawnComboBox& list, const std::vector<Picture>& pictures, const DRAWITEMSTRUCT& item) const;

  Workspace& workspace_;
  MainWindowServices& window_;
  CursorPreview& preview_;
  Controls lists_;
  std::vector<Picture> systemPictures_;
  std::vector<Picture> schemePictures_;
  std::vector<Picture> arrowPictures_;
  std::vector<Picture> imagePictures_;
  std::string listedFile_;
  Size largest_;
};
