#include "capture/hot_key_box.h"

#include "ui/dpi.h"

namespace {
constexpr Size BoxClient{362, 117};
constexpr Bounds PromptBounds{8, 8, 346, 16};
constexpr Bounds CtrlBounds{8, 32, 54, 21};
constexpr Bounds ShiftBounds{66, 32, 60, 21};
constexpr Bounds AltBounds{130, 32, 50, 21};
constexpr Bounds WinBounds{184, 32, 50, 21};
constexpr Bounds PlusBounds{238, 35, 14, 16};
constexpr Bounds KeyBounds{256, 31, 98, 240};  // with its dropped list
constexpr Bounds NoteBounds{8, 60, 346, 16};
constexpr Bounds DefaultBounds{98, 84, 80, 25};
constexpr Bounds SetButtonBounds{186, 84, 80, 25};
constexpr Bounds CancelBounds{274, 84, 80, 25};
constexpr const char* NoteText = "英字と数字のキーには、Ctrl、Alt、Win のどれかを組み合わせます";
}  // namespace

std::optional<HotKeyCombination> HotKeyBox::Ask(const HotKeyCombination& current, bool standardColor) {
  HotKeyBox box;
  if (!box.Build(current, standardColor) || box.RunBox() != Confirmed) return std::nullopt;
  return box.Chosen();
}

bool HotKeyBox::Build(const HotKeyCombination& current, bool standardColor) {
  if (!CreateBox(ClassName, BoxClient)) return false;
  HFONT font = font_.Get();
  const DpiScale scale = ScaleOf(Handle());
  Label_Prompt.Create(Handle(), scale(PromptBounds), "取り込みに使うキーの組み合わせ：", font);
  CheckBox_Ctrl.Create(Handle(), scale(CtrlBounds), "Ctrl", font);
  CheckBox_Shift.Create(Handle(), scale(ShiftBounds), "Shift", font);
  CheckBox_Alt.Create(Handle(), scale(AltBounds), "Alt", font);
  CheckBox_Win.Create(Handle(), scale(WinBounds), "Win", font);
  Label_Plus.Create(Handle(), scale(PlusBounds), "+", font, SS_CENTER);
  ComboBox_Key.Create(Handle(), scale(KeyBounds), font);
  std::vector<std::string> keys;
  for (const HotKeyName& key : HotKeyNames()) keys.emplace_back(key.name);
  ComboBox_Key.SetItems(keys);
  Label_Note.Create(Handle(), scale(NoteBounds), NoteText, font);
  Button_Default.Create(Handle(), scale(DefaultBounds), "初期値(&D)");
  Button_Set.Create(Handle(), scale(SetButtonBounds), "設定");
  Button_Cancel.Create(Handle(), scale(CancelBounds), "中止");
  SetAnswerButtons(Button_Set, [this] { Button_SetClick(); }, Button_Cancel, {&Button_Default});
  Button_Default.OnClick = [this] { ShowCombination(DefaultHotKey); };
  MKBoxDlg1.SourceHandle = Handle();

  ShowCombination(current);
  FinishBox(standardColor, "ホットキーの設定");
  return true;
}

void HotKeyBox::ShowCombination(const HotKeyCombination& c) const {
  CheckBox_Ctrl.SetChecked(c.modifiers & HotKeyModifier::Control);
  CheckBox_Shift.SetChecked(c.modifiers & HotKeyModifier::Shift);
  CheckBox_Alt.SetChecked(c.modifiers & HotKeyModifier::Alt);
  CheckBox_Win.SetChecked(c.modifiers & HotKeyModifier::Win);
  const auto names = HotKeyNames();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].key == c.key) ComboBox_Key.Select(static_cast<int>(i));
  }
}

HotKeyCombination HotKeyBox::Chosen() const {
  HotKeyCombination c;
  if (CheckBox_Ctrl.Checked()) c.modifiers |= HotKeyModifier::Control;
  if (CheckBox_Shift.Checked()) c.modifiers |= HotKeyModifier::Shift;
  if (CheckBox_Alt.Checked()) c.modifiers |= HotKeyModifier::Alt;
  if (CheckBox_Win.Checked()) c.modifiers |= HotKeyModifier::Win;
  const int selected = ComboBox_Key.Selected();
  const auto names = HotKeyNames();
  if (selected >= 0 && static_cast<std::size_t>(selected) < names.size()) c.key = names[selected].key;
  return c;
}

void HotKeyBox::Button_SetClick() {
  const HotKeyCombination c = Chosen();
  if (IsUsableHotKey(c)) {
    EndModal(Confirmed);
    return;
  }
  MKBoxDlg1.ShowMsg(c.key == 0 ? std::string("キーを選んで下さい・・・")
                               : HotKeyText(c) + " は、ホットキーにできません・・・\n\n" + NoteText + "☆☆☆");
  SetFocus(ComboBox_Key.Handle());
}
