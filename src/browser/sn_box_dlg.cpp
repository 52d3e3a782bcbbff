#include "browser/sn_box_dlg.h"

#include "browser/sn_box.h"
#include "ui/application.h"

int TSNBoxDlg::Execute(const std::string& prompt) {
  SNBoxRequest request{prompt, Title, EnteredText, std::move(HistoryList), StandardColor, SourceHandle};
  HistoryList.clear();  // the box holds it now
  int result = DialogForm::ClosedResult;
  {
    TSNBox box;
    if (box.Build(request)) {
      result = box.ShowModal();
      EnteredText = box.Text();
      HistoryList = box.FinalHistory();
      box.Hide();
    } else {
      HistoryList = std::move(request.history);
    }
  }
  if (HWND main = Application::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  return result;
}
