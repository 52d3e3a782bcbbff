#include "app/help_commands.h"

#include <shlwapi.h>

#include "app/about_texts.h"
#include "app/help_file.h"
#include "app/settings_store.h"
#include "common/program_identity.h"
#include "help/help_html_writer.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/registry.h"
#include "ui/windows_version.h"

namespace {

bool Started(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

// The program the system opens web addresses with, as the user chose it (Windows 8 on) or as
// the protocol's key names it (older systems, which do not know the first way of asking).
std::string WebBrowser(const char* protocol) {
  constexpr ASSOCF IsProtocol = 0x1000;  // ASSOCF_IS_PROTOCOL, which the headers give from Windows 8 on
  for (const ASSOCF flags : {IsProtocol, ASSOCF{ASSOCF_NONE}}) {
    char program[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (AssocQueryStringA(flags, ASSOCSTR_EXECUTABLE, protocol, "open", program, &size) == S_OK) return program;
  }
  return {};
}

// Only a web browser takes an address with an anchor where a file name would stand: a program
// registered for pages that is not the system's browser (an editor for HTML, say) would look for
// a file of that name.
bool TakesAddresses(const std::string& program) {
  for (const char* protocol : {"http", "https"}) {
    const std::string browser = WebBrowser(protocol);
    if (!browser.empty() && SameFile(program, browser)) return true;
  }
  return false;
}

// The page's browser is given its address, which unlike a file name can carry the anchor;
// otherwise the page opens as any file would, in whatever the system opens pages with.
bool OpenInBrowser(HWND owner, const std::string& page, const std::string& anchor) {
  char browser[MAX_PATH] = {};
  if (Started(FindExecutableA(page.c_str(), nullptr, browser)) && TakesAddresses(browser)) {
    const std::string address = "\"" + LocalPageUrl(page, anchor) + "\"";
    if (Started(ShellExecuteA(owner, "open", browser, address.c_str(), nullptr, SW_SHOWNORMAL))) return true;
  }
  return Started(ShellExecuteA(owner, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace

void HelpCommands::Bind(CommandTable& commands) {
  commands.Bind("MHELP_MOKUJI", [this] { MHELP_MOKUJIClick(); });
  commands.Bind("MHELP_KEYWORD", [this] { MHELP_KEYWORDClick(); });
  commands.Bind("MHELP_HELP", [this] { MHELP_HELPClick(); });
  commands.Bind("MQ_A", [this] { MQ_AClick(); });
  commands.Bind("MAbout", [this] { MAboutClick(); });
  commands.Bind("MHELP_VERCUT", [this] { MHELP_VERCUTClick(); });
}

void HelpCommands::CallHelp(UINT command, ULONG_PTR data, const char* anchor) const {
  // Windows since Vista ships only a stub in place of the help viewer, which says that the
  // format is not supported.
  constexpr int VistaMajorVersion = 6;
  if (WindowsMajorVersion() >= VistaMajorVersion) {
    OpenHelpPage(anchor);
    return;
  }
  const std::string helpFile = HelpFilePath(workspace_.programFolder);
  WinHelpA(window_.Window().Handle(), helpFile.c_str(), command, data);
}

void HelpCommands::OpenHelpPage(const char* anchor) const {
  const std::string page = HelpPagePath(workspace_.programFolder);
  if (GetFileAttributesA(page.c_str()) == INVALID_FILE_ATTRIBUTES || !OpenInBrowser(window_.Window().Handle(), page, anchor)) {
    window_.ShowMsg("ヘルプを開けませんでした・・・\n" + page);
  }
}

void HelpCommands::MHELP_MOKUJIClick() { CallHelp(HELP_CONTENTS, 0, ""); }

void HelpCommands::MHELP_KEYWORDClick() {
  // The help's keyword topic, shown by its context number, opens the viewer's keyword index with
  // its Finder() macro. A partial-key search with an empty key would open that index on Windows
  // only: other help viewers (Wine's among them) leave that command undone and show nothing,
  // while every viewer shows a numbered topic and runs its macros.
  CallHelp(HELP_CONTEXT, KeywordSearchTopic, HelpIndexAnchor);
}

void HelpCommands::MHELP_HELPClick() { CallHelp(HELP_HELPONHELP, 0, ""); }

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
