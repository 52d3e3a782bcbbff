#include "app/help_commands.h"

#include "app/help_file.h"
#include "app/settings_store.h"
#include "common/program_identity.h"
#include "dialogs/about_texts.h"
#include "ui/application.h"
#include "ui/registry.h"

void HelpCommands::Bind(CommandTable& commands) {
  commands.Bind("MHELP_MOKUJI", [this] { MHELP_MOKUJIClick(); });
  commands.Bind("MHELP_KEYWORD", [this] { MHELP_KEYWORDClick(); });
  commands.Bind("MHELP_HELP", [this] { MHELP_HELPClick(); });
  commands.Bind("MQ_A", [this] { MQ_AClick(); });
  commands.Bind("MAbout", [this] { MAboutClick(); });
  commands.Bind("MHELP_VERCUT", [this] { MHELP_VERCUTClick(); });
}

void HelpCommands::CallHelp(UINT command, ULONG_PTR data) const {
  const std::string helpFile = HelpFilePath(workspace_.programFolder);
  WinHelpA(window_.Window().Handle(), helpFile.c_str(), command, data);
}

void HelpCommands::MHELP_MOKUJIClick() { CallHelp(HELP_CONTENTS, 0); }

void HelpCommands::MHELP_KEYWORDClick() {
  // The help's keyword topic, shown by its context number, opens the viewer's keyword index with
  // its Finder() macro. A partial-key search with an empty key would open that index on Windows
  // only: other help viewers (Wine's among them) leave that command undone and show nothing,
  // while every viewer shows a numbered topic and runs its macros.
  CallHelp(HELP_CONTEXT, KeywordSearchTopic);
}

void HelpCommands::MHELP_HELPClick() { CallHelp(HELP_HELPONHELP, 0); }

void HelpCommands::MQ_AClick() { window_.ShowMsg(ContactMessage(jpegLibrary_)); }

void HelpCommands::MAboutClick() {
  const auto stored = SettingsStore::ReadValue("Version");
  AboutBoxDlg1.ProductName = "PIKTORAN.EXE (ピクトラン)";
  AboutBoxDlg1.Version = InstalledVersionText(stored ? &*stored : nullptr);
  AboutBoxDlg1.PeriodText = MakingPeriod;
  AboutBoxDlg1.Title = "ピクトラン";
  AboutBoxDlg1.Comment0 = "画面キャプチャーソフト";
  AboutBoxDlg1.Comment1 = "アニメ／カーソル／アイコン取り込み可";
  // The third line, empty in the design, names the JPEG library for reports to the maker.
  AboutBoxDlg1.Comment2 = JpegLibraryLine(jpegLibrary_);
  AboutBoxDlg1.Execute();
}

void HelpCommands::MHELP_VERCUTClick() {
  const char* question =
      "バージョン番号削除：\nインストールソフトを再起動させたい時に使います。\n"
      "なお、バージョンが違う時は、インストールソフトが自動起動するので、\n"
      "バージョン番号を削除する必要ありません。\nバージョン番号を削除してもよろしいですか？？？";
  if (window_.AskYesNoTimed(question, IDYES) != IDYES) {
    window_.ShowMsgTimed("バージョン番号削除を中止しました・・・", 1);
    return;
  }
  HourglassGuard hourglass;
  const auto key = RegistryKey::Create(HKEY_CURRENT_USER, SettingsKeyPath);
  if (!key || !key->WriteString("Version", "")) window_.ShowMsg("'Version' の設定に失敗しました");
}
