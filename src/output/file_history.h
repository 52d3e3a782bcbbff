#pragma once
#include <string>
#include <vector>

#include "dialogs/color_btn.h"
#include "output/file_commands.h"
#include "output/file_history_list.h"
#include "output/list_file_store.h"
#include "output/picture_memories.h"
#include "ui/command_table.h"
#include "ui/controls.h"
#include "ui/panel.h"

// The file history panel Panel_FHIS over Panel_Top: ListBox_FHIS holds the files the user
// loaded, dropped or handed over, kept in PIKTO_HS.LST between runs; a double-click loads the
// current entry, 戻す the picture of the moment the panel opened.
class FileHistory {
 public:
  FileHistory(Workspace& workspace, MainWindowServices& window, FileCommands& files, PictureMemories& memories)
      : workspace_(workspace), window_(window), files_(files), memories_(memories) {}

  void Create(HWND parent, const Bounds& bounds, COLORREF colour, HFONT font);
  // Covers Panel_Top, whose size bar ends at `height`.
  void Fit(int width, int height) const;
  void Bind(CommandTable& commands);

  // PIKTO_HS.LST into the list at start-up (a missing or unreadable file gives an empty list),
  // and the list back into it at close, unless the file was there but could not be read.
  void LoadList();
  bool SaveList() const;

  void MF_FHISClick();
  void Button_FHIS_CLOSEClick() const { Panel_FHIS.Hide(); }
  void Button_MODOSUClick();
  void Button_FHIS_DELClick();
  void Button_FHIS_ALLDELClick();
  void ListBox_FHISDblClick();

  // A file loaded from the menu, or saved in the numbered series, goes to the top.
  void AddLoadedFile(const std::string& fileName);
  // Dropped, handed-over and command-line files: the panel opens, they are appended, and the
  // first of them is selected and loaded.
  void OpenHandedFiles(const std::vector<std::string>& files);
  // The same without opening the panel or loading (a capture is waiting).
  void ListHandedFiles(const std::vector<std::string>& files);

  Panel Panel_FHIS;
  Panel Panel_FHIS_Head;
  Label Label_FHIS;
  Label Label_FHIS_KOSU;
  TColorBtn Button_FHIS_DEL;
  TColorBtn Button_FHIS_ALLDEL;
  TColorBtn Button_MODOSU;
  TColorBtn Button_FHIS_CLOSE;
  ListBox ListBox_FHIS;

 private:
  // The list box and the count label from the entries; `selected` becomes the one selected and
  // current entry.
  void ShowEntries(std::optional<std::size_t> selected) const;
  std::string ListFile() const;

  Workspace& workspace_;
  MainWindowServices& window_;
  FileCommands& files_;
  PictureMemories& memories_;
  FileHistoryList list_;
  // 戻す has a picture of the moment the panel opened to bring back.
  bool snapshotTaken_ = false;
  // A history of many thousand names is still far below this.
  ListFileStore listFile_{16 * 1024 * 1024};
};
