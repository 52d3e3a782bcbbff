#include "browser/sn_box.h"

#include "browser/entry_history.h"
#include "ui/application.h"
#include "ui/dpi.h"

namespace {
constexpr Size BoxClient{419, 95};
constexpr Bounds MsgBounds{8, 8, 403, 16};
constexpr Bounds EditBounds{8, 28, 372, 23};
constexpr Bounds HistoryButtonBounds{384, 28, 27, 23};
// Panel1 lies exactly over the edit and the H button.
constexpr Bounds PanelBounds{8, 28, 403, 23};
constexpr Bounds OffBounds{0, 0, 35, 23};
constexpr Bounds ListBounds{37, 0, 366, 200};
constexpr Bounds OkBounds{240, 62, 80, 25};
constexpr Bounds CancelBounds{331, 62, 80, 25};
}  // namespace

bool TSNBox::Build(const SNBoxRequest& request) {
  if (!CreateBox(ClassName, BoxClient, request.source)) return false;
  const DpiScale scale = ScaleOf(Handle());
  Msg.Create(Handle(), scale(MsgBounds), request.prompt + "：", font_.Get());
  Edit1.Create(Handle(), scale(EditBounds), font_.Get(), false);
  Button3.Create(Handle(), scale(HistoryButtonBounds), "H");
  Panel1.Create(Handle(), scale(PanelBounds));
  Panel1.Hide();
  Button4.Create(Panel1.Handle(), scale(OffBounds), "off");
  ComboBox1.Create(Panel1.Handle(), scale(ListBounds), font_.Get());
  Button1.Create(Handle(), scale(OkBounds), "登録");
  Button2.Create(Handle(), scale(CancelBounds), "中止");
  SetAnswerButtons(Button1, [this] { Button1Click(); }, Button2, {&Button3, &Button4});
  Button3.OnClick = [this] { Button3Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  ComboBox1.onSelect = [this] { ComboBox1Click(); };
  hints_.Add(Button3.Handle(), "ヒストリーの表示");
  hints_.Add(ComboBox1.Handle(), "ヒストリーの選択");
  hints_.Add(Button4.Handle(), "ヒストリーを選択せずに閉じる");

  Edit1.SetText(request.text);
  // Selected, so that what the user types at once replaces the proposal.
  SendMessageA(Edit1.Handle(), EM_SETSEL, 0, -1);
  history_ = request.history;
  MoveToTop(history_, request.text);
  ShowHistory(history_.empty() ? -1 : 0);

  FinishBox(request.standardColor, request.title.empty() ? Application::Title() : request.title, request.source);
  return true;
}

std::vector<std::string> TSNBox::FinalHistory() const {
  std::vector<std::string> history = history_;
  MoveToTop(history, Text());
  return history;
}

void TSNBox::ShowHistory(int selected) const {
  ComboBox1.SetItems(history_);
  ComboBox1.Select(selected);
}

void TSNBox::Button1Click() {
  if (!Text().empty()) EndModal(Confirmed);
}

void TSNBox::Button3Click() {
  Panel1.SetColour(Colour());
  Panel1.Show();
  Panel1.BringToTop();
  SetFocus(ComboBox1.Handle());
}

void TSNBox::Button4Click() {
  Panel1.Hide();
  SetFocus(Edit1.Handle());
}

void TSNBox::ComboBox1Click() {
  const int index = ComboBox1.Selected();
  if (index < 0 || static_cast<std::size_t>(index) >= history_.size()) return;
  const std::string chosen = history_[static_cast<std::size_t>(index)];
  MoveToTop(history_, chosen);
  ShowHistory(0);
  Edit1.SetText(chosen);
  Button4Click();
}
