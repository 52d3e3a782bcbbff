#include "browser/dir2view_form.h"

#include <algorithm>

#include "browser/browser_texts.h"
#include "browser/file_choice.h"
#include "browser/sn_box.h"
#include "common/path_helpers.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/dpi.h"

namespace {

constexpr Size FormClient{614, 262};
constexpr int TopRow = 2;
constexpr int RowHeight = 22;
constexpr int PaneTop = 47;
constexpr int HeaderTop = 27;
constexpr int BottomHeight = 62;
constexpr int SplitterWidth = 4;
constexpr int ButtonColumn = 94;
constexpr int FolderIndent = 21;
constexpr int DesignPaneWidth = 168;

}  // namespace

TDIR2VIEWForm::TDIR2VIEWForm() {
  char windows[200] = {};
  const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
  windowsFolder_ = AddTrailingSeparator(length > 0 && length < sizeof windows ? windows : "C:\\");
}

bool TDIR2VIEWForm::Build(HWND owner) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;
  if (!CreateDialogWindow(ClassName, FormClient, style, WS_EX_TOPMOST, owner)) return false;
  MakeFormFont("ＭＳ Ｐゴシック", -12);
  const DpiScale scale = ScaleOf(Handle());
  boldFont_ = MakeFont("ＭＳ Ｐゴシック", -12, scale.Dpi(), true);
  HFONT font = font_.Get();
  paneWidth_ = scale(DesignPaneWidth);

  driveList_.Create(Handle(), scale(Bounds{2, TopRow, 150, 300}));
  driveList_.onChange = [this](char drive) { ComboBox2Click(drive); };
  Button_HF.Create(Handle(), scale(Bounds{154, TopRow, 28, RowHeight}), "HF");
  Button5.Create(Handle(), scale(Bounds{184, TopRow, 28, RowHeight}), "BF");
  Button3.Create(Handle(), scale(Bounds{214, TopRow, 28, RowHeight}), "NF");
  Button4.Create(Handle(), scale(Bounds{244, TopRow, 28, RowHeight}), "DF");
  ComboBox_KAKU.Create(Handle(), scale(Bounds{276, TopRow, 336, 200}), font);

  HeaderControl1 = CreateChildWindow(
      {WC_HEADERA, "", HDS_BUTTONS | HDS_HORZ, 0, Handle(), scale(Bounds{0, HeaderTop, DesignPaneWidth, 20}), font});
  HDITEMA section{};
  section.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  section.fmt = HDF_LEFT | HDF_STRING;
  section.cxy = paneWidth_ + scale(10);
  section.pszText = const_cast<char*>("");
  SendMessageA(HeaderControl1, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&section));

  ImageList1 = MakeGlyphList(scale(Size{19, 19}), {BrowserGlyph::ClosedFolder, BrowserGlyph::OpenFolder});
  TreeView1 = CreateChildWindow({WC_TREEVIEWA, "",
                                 TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                                 WS_EX_CLIENTEDGE, Handle(), scale(Bounds{0, PaneTop, DesignPaneWidth, 150}), font});
  TreeView_SetImageList(TreeView1, ImageList1.Get(), TVSIL_NORMAL);
  TreeView_SetIndent(TreeView1, scale(FolderIndent));
  ListBox1.Create(Handle(), scale(Bounds{0, PaneTop, DesignPaneWidth, 150}), font, boldFont_.Get());
  ListBox1.Hide();
  ListBox1.onClick = [this] { ListBox1Click(); };
  Splitter1.Create(Handle(), scale(Bounds{DesignPaneWidth, HeaderTop, SplitterWidth, 173}));
  Splitter1.onMoved = [this](int x) { SetPaneWidth(x); };
  ListView1.Create(Handle(), scale(Bounds{DesignPaneWidth + SplitterWidth, HeaderTop, 442, 173}), font);
  ListView1.onClick = [this] { ListView1Click(); };

  Label4.Create(Handle(), scale(Bounds{4, 207, 58, 16}), "フォルダー", font);
  Edit_Folder.Create(Handle(), scale(Bounds{64, 204, 450, RowHeight}), font, false);
  Panel_Edit_File.Create(Handle(), scale(Bounds{0, 230, 516, 28}));
  Label5.Create(Panel_Edit_File.Handle(), scale(Bounds{4, 7, 58, 16}), "ファイル名", font);
  Edit_File.Create(Panel_Edit_File.Handle(), scale(Bounds{64, 3, 450, RowHeight}), font, false);
  Button2.Create(Handle(), scale(Bounds{520, 204, 90, 24}), "設定");
  Button1.Create(Handle(), scale(Bounds{520, 233, 90, 24}), "中止");
  for (TColorBtn* button : {&Button_HF, &Button5, &Button3, &Button4, &Button2, &Button1}) button->SetFont(font);
  Button2.SetDefault(true);
  Button1.SetCancel(true);
  Button_HF.SetEnabled(false);

  Button_HF.OnClick = [this] { Button_HFClick(); };
  Button5.OnClick = [this] { Button5Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button1.OnClick = [this] { EndModal(Cancelled); };
  ComboBox_KAKU.onSelect = [this] { ComboBox_KAKUChange(); };

  hints_.Add(driveList_.Handle(), "ドライブの選択");
  hints_.Add(Button_HF.Handle(), "一個前のフォルダー");
  hints_.Add(Button5.Handle(), "一つ上階層フォルダー");
  hints_.Add(Button3.Handle(), "フォルダー新規作成");
  hints_.Add(Button4.Handle(), "フォルダー削除");
  hints_.Add(ComboBox_KAKU.Handle(), "ファイルフィルター");
  hints_.Add(HeaderControl1, "フォルダーの選択");
  hints_.Add(TreeView1, "ツリー構造のフォルダー");
  hints_.Add(ListBox1.Handle(), "普通のフォルダー");
  hints_.Add(ListView1.Handle(), "ファイル一覧");
  hints_.Add(Edit_Folder.Handle(), "設定フォルダー名");
  hints_.Add(Edit_File.Handle(), "設定ファイル名");
  hints_.Add(Button2.Handle(), "設定");
  hints_.Add(Button1.Handle(), "キャンセル");

  MKBoxDlg1.SourceHandle = Handle();
  SNBoxDlg1.SourceHandle = Handle();
  LayOut();
  return true;
}

void TDIR2VIEWForm::SetColours(bool standard) {
  TakeMainWindowColours();
  SetStandardColor(standard);
  const COLORREF background = standard ? GetSysColor(COLOR_WINDOW) : Colour();
  const COLORREF text = standard ? GetSysColor(COLOR_WINDOWTEXT) : FontColour();
  TreeView_SetBkColor(TreeView1, background);
  TreeView_SetTextColor(TreeView1, text);
  ListView1.SetColours(background, text);
}

void TDIR2VIEWForm::LayOut() {
  // Design values through `s`; the client area and the pane's width are pixels already.
  const DpiScale s = ScaleOf(Handle());
  const Size client = ClientSize();
  const int paneBottom = client.height - s(BottomHeight);
  const int paneTop = s(PaneTop);
  const int headerTop = s(HeaderTop);
  paneWidth_ = std::clamp(paneWidth_, s(20), std::max(s(20), client.width - s(60)));
  ComboBox_KAKU.SetBounds({s(276), s(TopRow), std::max(client.width - s(278), s(40)), s(200)});
  SetWindowPos(HeaderControl1, nullptr, 0, headerTop, paneWidth_, paneTop - headerTop, SWP_NOZORDER | SWP_NOACTIVATE);
  HDITEMA section{};
  section.mask = HDI_WIDTH;
  section.cxy = paneWidth_ + s(10);
  SendMessageA(HeaderControl1, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&section));
  const Bounds pane{0, paneTop, paneWidth_, std::max(paneBottom - paneTop, s(10))};
  SetWindowPos(TreeView1, nullptr, pane.left, pane.top, pane.width, pane.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ListBox1.SetBounds(pane);
  Splitter1.SetBounds({paneWidth_, headerTop, s(SplitterWidth), paneBottom - headerTop});
  const int listLeft = paneWidth_ + s(SplitterWidth);
  ListView1.SetBounds({listLeft, headerTop, std::max(client.width - listLeft, s(10)), paneBottom - headerTop});
  const int buttonLeft = client.width - s(ButtonColumn);
  const int rowHeight = s(RowHeight);
  Label4.SetBounds({s(4), paneBottom + s(7), s(58), s(16)});
  Edit_Folder.SetBounds({s(64), paneBottom + s(4), std::max(buttonLeft - s(4 + 64), s(10)), rowHeight});
  Panel_Edit_File.SetBounds({0, paneBottom + s(30), std::max(buttonLeft - s(4), s(10)), s(28)});
  Edit_File.SetBounds({s(64), s(3), std::max(buttonLeft - s(4 + 64 + 4), s(10)), rowHeight});
  Button2.SetBounds({buttonLeft, paneBottom + s(4), s(90), s(24)});
  Button1.SetBounds({buttonLeft, paneBottom + s(33), s(90), s(24)});
}

void TDIR2VIEWForm::DpiChanged(int oldDpi, int newDpi) {
  DialogForm::DpiChanged(oldDpi, newDpi);
  const FontHandle old = std::move(boldFont_);
  boldFont_ = MakeFont("ＭＳ Ｐゴシック", -12, newDpi, true);
  ListBox1.SetFonts(font_.Get(), boldFont_.Get());
  ListView1.SetRowFont(font_.Get());
  paneWidth_ = Rescale(paneWidth_, oldDpi, newDpi);
  LayOut();
}

void TDIR2VIEWForm::SetPaneWidth(int width) {
  paneWidth_ = width;
  LayOut();
}

void TDIR2VIEWForm::SetFilters(std::vector<FilterEntry> filters) {
  filters_ = std::move(filters);
  std::vector<std::string> captions;
  for (const FilterEntry& entry : filters_) captions.push_back(entry.caption);
  ComboBox_KAKU.SetItems(captions);
  ComboBox_KAKU.Select(filters_.empty() ? -1 : 0);
  patterns_ = filters_.empty() ? std::string("*.*") : filters_.front().patterns;
}

void TDIR2VIEWForm::SetFileMode(bool fileMode, bool overwriteQuestion, const std::string& defaultExtension) {
  fileMode_ = fileMode;
  overwriteQuestion_ = fileMode && overwriteQuestion;
  defaultExtension_ = defaultExtension;
  Panel_Edit_File.SetShown(fileMode);
  Edit_Folder.SetReadOnly(fileMode);
}

void TDIR2VIEWForm::SetMessageBoxTitle(const std::string& title) { MKBoxDlg1.Title = title; }

HWND TDIR2VIEWForm::FirstFocus() const { return view_ == View::Tree ? TreeView1 : ListBox1.Handle(); }

void TDIR2VIEWForm::SetHeaderText(const std::string& text) const {
  HDITEMA section{};
  section.mask = HDI_TEXT;
  section.pszText = const_cast<char*>(text.c_str());
  SendMessageA(HeaderControl1, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&section));
}

void TDIR2VIEWForm::ComboBox_KAKUChange() {
  const int index = ComboBox_KAKU.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= filters_.size()) return;
  patterns_ = filters_[static_cast<std::size_t>(index)].patterns;
  if (!listedFolder_.empty() && !FillFiles(listedFolder_, Listing::SameFolder)) ShowFileListError();
}

void TDIR2VIEWForm::ListView1Click() {
  const std::string name = ListView1.SelectedName();
  if (!name.empty()) Edit_File.SetText(AddTrailingSeparator(listedFolder_) + name);
}

void TDIR2VIEWForm::Button3Click() {
  if (currentFolder_.empty()) return;
  SNBoxDlg1.Title = "新規作成フォルダー名を入力して下さい☆";
  if (SNBoxDlg1.Execute(NewFolderPrompt(currentFolder_)) != TSNBox::Confirmed) return;
  const std::string created = AddTrailingSeparator(currentFolder_) + SNBoxDlg1.EnteredText;
  if (!CreateDirectoryA(created.c_str(), nullptr) || !FolderExists(created)) {
    MKBoxDlg1.ShowMsgTimed(created + "\n" + "フォルダーの作成に失敗しました・・・", 1);
    return;
  }
  GoToFolderOrProgram(created);
}

void TDIR2VIEWForm::Button4Click() {
  const std::string folder = RemoveTrailingSeparator(currentFolder_);
  if (folder.empty() || MKBoxDlg1.AskYesNoTimed(folder + "\n" + "このフォルダーを削除します☆", AnswerNo) != AnswerYes) return;
  const std::string parent = ParentPath(folder);
  bool removed = false;
  if (parent != folder) {  // a drive root has no parent
    SetCurrentDirectoryA(parent.c_str());
    removed = RemoveDirectoryA(folder.c_str()) != FALSE;
  }
  if (!removed) {
    MKBoxDlg1.ShowMsgTimed(folder + "\n" + "フォルダーの削除に失敗しました・・・", 1);
    return;
  }
  GoToFolderOrProgram(parent);
}

void TDIR2VIEWForm::Button5Click() {
  const std::string parent = ParentPath(currentFolder_);
  if (!parent.empty() && parent != RemoveTrailingSeparator(currentFolder_)) GoToFolderOrProgram(parent);
}

void TDIR2VIEWForm::Button_HFClick() {
  if (std::optional<std::string> previous = history_.TakePrevious()) GoToFolderOrProgram(*previous);
  Button_HF.SetEnabled(history_.CanGoBack());
}

void TDIR2VIEWForm::Button2Click() {
  resultFolder_ = RemoveTrailingSeparator(Edit_Folder.Text());
  if (!fileMode_) {
    EndModal(Confirmed);
    return;
  }
  const FileChoice choice = ChooseFile(resultFolder_, Edit_File.Text(), defaultExtension_);
  if (choice.outcome != FileChoice::Outcome::Accepted) {
    MKBoxDlg1.ShowMsg(choice.message);
    return;
  }
  resultFolder_ = choice.folder;
  resultFileName_ = choice.fileName;
  if (overwriteQuestion_ && Panel_Edit_File.Visible() && FileExists(FullFileName(choice)) &&
      MKBoxDlg1.AskYesNoTimed(OverwriteQuestion(choice), AnswerNo) != AnswerYes) {
    return;
  }
  EndModal(Confirmed);
}

LRESULT TDIR2VIEWForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
      LRESULT result = 0;
      if (ListView1.Notify(header, result)) return result;
      if (header.hwndFrom == TreeView1 && TreeNotify(header)) return 0;
      if (header.hwndFrom == HeaderControl1 && (header.code == HDN_ITEMCLICKA || header.code == HDN_ITEMCLICKW)) {
        HeaderControl1SectionClick();
        return 0;
      }
      return DefaultMessage(message, wParam, lParam);
    }
    default:
      return DialogForm::OnMessage(message, wParam, lParam);
  }
}
