#pragma once
#include <string>
#include <vector>

#include "browser/browse_history.h"
#include "browser/browser_images.h"
#include "browser/drive_list.h"
#include "browser/file_filter.h"
#include "browser/file_list.h"
#include "browser/folder_list_box.h"
#include "browser/sn_box_dlg.h"
#include "browser/splitter.h"
#include "dialogs/color_btn.h"
#include "dialogs/dialog_form.h"
#include "msgbox/mk_box_dlg.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "ui/hints.h"
#include "ui/panel.h"

// The folder and file browser window TDIR2VIEWForm: drives, a folder tree or list, the files of
// the listed folder, new/delete/up/back, and 設定 with the chosen folder (and file name).
// TDIR2OPENDLG prepares it, shows it and reads the result.
class TDIR2VIEWForm : public DialogForm {
 public:
  static constexpr const char* ClassName = "TDIR2VIEWForm";
  static constexpr int Confirmed = 1;
  static constexpr int Cancelled = 3;

  TDIR2VIEWForm();
  bool Build(HWND owner);

  // Preparation.
  void SetFilters(std::vector<FilterEntry> filters);
  // Lists, tree, edits: the system's window colours, or the window's own.
  void SetColours(bool standard);
  void FillDrives();
  // Goes to the folder; false when it is no folder or cannot be made the current one.
  bool GoToFolder(std::string path);
  void SetFileMode(bool fileMode, bool overwriteQuestion, const std::string& defaultExtension);
  void SetFileNameText(const std::string& name) const { Edit_File.SetText(name); }
  void SetMessageBoxTitle(const std::string& title);

  // Results and state for the component and for tests.
  const std::string& ResultFolder() const { return resultFolder_; }
  const std::string& ResultFileName() const { return resultFileName_; }
  const std::string& CurrentFolder() const { return currentFolder_; }
  const std::string& ListedFolder() const { return listedFolder_; }
  void ClearFolderHistory() { history_.Clear(); }

  TMKBoxDlg MKBoxDlg1;
  TSNBoxDlg SNBoxDlg1;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The keyboard serves the folder pane shown.
  HWND FirstFocus() const override;
  void DpiChanged(int oldDpi, int newDpi) override;

 private:
  enum class View { Tree, List };

  void LayOut();
  void SetPaneWidth(int width);
  // Navigation.
  void ComboBox2Click(char drive);
  void NavigateWithRecovery(const std::string& path);
  void FinalFallback(const std::string& path);
  bool EnterFolder(std::string& path);
  bool FillFolderPane(const std::string& path);
  bool FillFolderList(const std::string& path);
  bool FillTree(const std::string& path);
  // Lists the folder's files; a new visit goes into the folder history, a listing of the same
  // folder with another filter does not.
  enum class Listing { NewVisit, SameFolder };
  bool FillFiles(const std::string& folder, Listing listing = Listing::NewVisit);
  void ShowFileListError();
  void GoToFolderOrProgram(const std::string& path);
  // Handlers.
  void ListBox1Click();
  void TreeView1Change();
  void HeaderControl1SectionClick();
  void ComboBox_KAKUChange();
  void ListView1Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button_HFClick();
  void Button2Click();
  void SetHeaderText(const std::string& text) const;
  bool TreeNotify(const NMHDR& header);

  FontHandle boldFont_;
  ImageListHandle ImageList1;
  DriveList driveList_;
  TColorBtn Button_HF, Button5, Button3, Button4, Button2, Button1;
  ComboBox ComboBox_KAKU;
  HWND HeaderControl1 = nullptr;
  HWND TreeView1 = nullptr;
  FolderListBox ListBox1;
  Splitter Splitter1;
  FileList ListView1;
  Label Label4, Label5;
  EditBox Edit_Folder, Edit_File;
  Panel Panel_Edit_File;
  Hints hints_;

  std::vector<FilterEntry> filters_;
  std::string patterns_ = "*.*";
  std::string currentFolder_, listedFolder_;
  std::string windowsFolder_;
  DriveMemory driveMemory_;
  FolderHistory history_;
  View view_ = View::Tree;
  int paneWidth_ = 0;  // pixels
  bool fileMode_ = false;
  bool overwriteQuestion_ = false;
  std::string defaultExtension_;
  std::string resultFolder_, resultFileName_;
  bool treeBuilding_ = false;
  bool treeChanging_ = false;
  int recoveryDepth_ = 0;
};
