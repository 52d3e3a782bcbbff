#pragma once
#include <array>
#include <string>

#include "cursor/cursor_history.h"
#include "cursor/cursor_lists.h"
#include "dialogs/color_btn.h"
#include "output/list_file_store.h"
#include "ui/file_dialog.h"

// The ｶｰｿﾙﾛｰﾄﾞ button with its open dialog, and the cursor history ComboBox_Icon_File of the
// last 20 cursor files with their 16 x 16 thumbnails, kept in PIKTO_I0.LST.
class CursorHistoryBox {
 public:
  struct Controls {
    TColorBtn& ColorBtn_Load;
    OwnerDrawnComboBox& ComboBox_Icon_File;
    const WindowView& Panel_SIZE;  // the list's items are as high as the bar - 6
  };
  CursorHistoryBox(Workspace& workspace, MainWindowServices& window, CursorPreview& preview, CursorLists& lists,
                   Controls controls);

  void Create();
  // PIKTO_I0.LST in the program folder: read at start-up (with thumbnails), written at close
  // unless it was there but could not be read.
  void LoadHistory();
  bool SaveHistory() const;

  void SelectCursorFile();  // ColorBtn_LoadClick
  void ColorBtn_LoadMouseDown();
  void ComboBox_Icon_FileClick();
  bool ComboBox_Icon_FileKeyDown(WPARAM key);
  void ComboBox_Icon_FileDrawItem(const DRAWITEMSTRUCT& item) const;

 private:
  Size ThumbnailSize() const;
  std::string HistoryFile() const;
  // Steps shared by the dialog and the list: the file's first image becomes the current cursor
  // (a failure is reported) and is composed as the preview shows it.
  bool LoadChosenCursor(const std::string& file, Picture& composition);
  // The image list follows a multi-image source; the lists move up to the preview.
  void ListAndLayOut();
  // Composes the current cursor as the preview does; false when there is nothing to show.
  bool Compose(COLORREF background, Picture& into) const;
  int TakeThumbnail(const Picture& composition);
  void AddToCursorHistory(const std::string& name, const Picture& composition);
  void ShowItems();
  void WidenFor(const std::string& name);

  Workspace& workspace_;
  MainWindowServices& window_;
  CursorPreview& preview_;
  CursorLists& lists_;
  Controls controls_;
  CursorHistory history_;
  std::array<Picture, CursorHistory::SlotCount> thumbnails_;
  // A list file of 20 names is a few kilobytes; anything far beyond is no list of ours.
  ListFileStore listFile_{1 << 20};
  FileDialog OpenDialog1{FileDialog::Kind::Open};
};
