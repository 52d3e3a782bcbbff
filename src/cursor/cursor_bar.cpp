#include "cursor/cursor_bar.h"

CursorBar::CursorBar(Workspace& workspace, MainWindowServices& window, CursorBarControls c)
    : preview_(workspace, window, c.Panel_Icon, c.Label_IX, c.Label_IY),
      lists_(workspace, window, preview_, {c.ComboBox_Icon, c.ComboBox_Select, c.ComboBox_DEFAULT, c.ComboBox_Arrow,
                                           c.Panel_Icon}),
      history_(workspace, window, preview_, lists_,
               {c.sizeBar.ColorBtn_Load, c.sizeBar.ComboBox_Icon_File, c.sizeBar.Panel_SIZE}),
      stamping_(workspace, window, c.ScrollBox1),
      controls_(c) {}

void CursorBar::Create(ReshowSequence& reshow, Hints& hints) {
  preview_.Create();
  hints.Add(preview_.Image_Icon.Handle(), "このカーソルが、キャプチャーされます。");
  hints.Add(controls_.Label_IX.Handle(), "ホットポイント_Ｘ");
  hints.Add(controls_.Label_IY.Handle(), "ホットポイント_Ｙ");
  hints.Add(controls_.ComboBox_Icon.Handle(), "複数登録カーソルの表示");
  hints.Add(controls_.ComboBox_Select.Handle(), "現在のポインタ設定カーソル");
  hints.Add(controls_.ComboBox_DEFAULT.Handle(), "システム登録カーソル");
  hints.Add(controls_.ComboBox_Arrow.Handle(), "矢印、大、中、小");
  hints.Add(controls_.sizeBar.ComboBox_Icon_File.Handle(), "今までに選択されたカーソル一覧　２０個まで");
  lists_.Create();
  history_.Create();
  stamping_.Create();
  preview_.onDrop = [this](POINT screen) { stamping_.Image1DragDrop(screen); };
  reshow.AddIconStep([this] { preview_.RenderCursorPreview(); });
}

void CursorBar::Bind(CommandTable& commands) { preview_.Bind(commands); }

void CursorBar::BuildSources() {
  lists_.BuildSystemCursorList();
  lists_.BuildSchemeList();
  history_.LoadHistory();
  lists_.BuildArrowList();
}
