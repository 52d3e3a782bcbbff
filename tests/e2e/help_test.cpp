// The Help menu seen from outside: the about box with the installed version, its home-page
// questions, the contact message, and the help file in the system's help viewer: its contents,
// a jump, the keyword search, and the viewer closing with the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <optional>
#include <string>
#include <utility>

#include "app/about_texts.h"
#include "driver.h"
#include "import_patch.h"
#include "support/screenshot.h"
#include "window_parts.h"
// After <windows.h>, which driver.h brings.
#include <prsht.h>

namespace e2e {
namespace {

constexpr const char* AboutClass = "TAboutBox";
constexpr const char* HelpViewerClass = "MS_WINHELP";  // the help viewer's main window
constexpr const char* DialogClass = "#32770";
constexpr const char* BrowserStandInClass = "E2eBrowserStandIn";

// A shown top-level window of the class, in any process.
HWND ShownWindowOfClass(const char* className) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = nullptr;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window && !found;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
      if (IsWindowVisible(window)) found = window;
    }
    return found != nullptr;
  });
  return found;
}

bool AnyShownWindowOfClass(const char* className) {
  for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
       window = FindWindowExA(nullptr, window, className, nullptr)) {
    if (IsWindowVisible(window)) return true;
  }
  return false;
}

std::string ToShiftJis(const std::wstring& text) {
  const int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

// The whole text of another process's rich edit; neither its length nor its wide-character text
// cross to us.
std::string LongText(HWND window) {
  std::string text(0x10000, '\0');
  SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::strlen(text.c_str()));
  return text;
}

// The about box's texts, each label once.
std::vector<std::string> AboutTexts(HWND box) {
  std::vector<std::string> texts;
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) == "Static") texts.push_back(WindowText(child));
  }
  return texts;
}

bool Shows(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// A button is on the screen: the inside of its frame shows its face, not black.
bool Drawn(HWND button) {
  const RECT r = WindowRect(button);
  HDC screen = GetDC(nullptr);
  const COLORREF inside = GetPixel(screen, r.left + 4, r.top + 4);
  ReleaseDC(nullptr, screen);
  return inside != RGB(0, 0, 0) && inside != CLR_INVALID;
}

HWND OpenAboutBox(const Process& process, HWND main) {
  EXPECT_TRUE(ChooseMenuEntry(main, "HV"));
  HWND box = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (box = process.FindWindowOfClass(AboutClass)) && IsWindowVisible(box); }));
  return box;
}

void CloseAboutBox(HWND box) {
  ASSERT_TRUE(PressButton(box, "Ｏ Ｋ"));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

// Answers the message box now showing with `button` after checking its text.
void Answer(const Process& process, const std::string& text, const std::string& button) {
  HWND box = FindMessageBox(process);
  ASSERT_NE(box, nullptr) << text;
  EXPECT_EQ(MessageBoxText(box), text);
  ASSERT_TRUE(PressButton(box, button));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
}

// The help viewer's topic text: the rich edit under its button bar.
HWND TopicText(HWND viewer) {
  for (HWND child : Descendants(viewer)) {
    if (ClassOf(child).starts_with("RichEdit")) return child;
  }
  return nullptr;
}

// The viewer's parts and the topic's start, for a failure's message.
std::string Describe(HWND viewer) {
  std::string parts = "viewer \"" + WindowText(viewer) + "\":";
  for (HWND child : Descendants(viewer)) parts += " " + ClassOf(child);
  HWND text = TopicText(viewer);
  return parts + "; topic: " + (text ? LongText(text).substr(0, 200) : "none");
}

// The topic is on the screen: its text makes part of the rich edit's white dark.
bool TopicDrawn(HWND viewer) {
  HWND text = TopicText(viewer);
  if (!text || !IsWindowVisible(text)) return false;
  const RECT r = WindowRect(text);
  HDC screen = GetDC(nullptr);
  int dark = 0;
  for (int y = r.top; y < std::min<LONG>(r.bottom, r.top + 60); y += 2) {
    for (int x = r.left; x < std::min<LONG>(r.right, r.left + 200); x += 2) dark += GetPixel(screen, x, y) == RGB(0, 0, 0);
  }
  ReleaseDC(nullptr, screen);
  return dark > 20;
}

bool TopicStartsWith(HWND viewer, const std::string& title) {
  HWND text = TopicText(viewer);
  return text && LongText(text).starts_with(title);
}

// Clicks the first jump whose text is `link`. The viewer finds a jump by a character position
// counted in bytes of the Shift-JIS text, paragraph ends as one; its rich edit counts characters,
// so the click goes where that count points.
bool ClickJump(HWND viewer, const std::string& link) {
  HWND text = TopicText(viewer);
  if (!text) return false;
  std::string bytes = LongText(text);
  std::erase(bytes, '\n');  // the rich edit's paragraph ends are one character, "\r"
  const std::size_t start = bytes.find(link);
  if (start == std::string::npos) return false;
  const auto at = SendMessageW(text, EM_POSFROMCHAR, start + 1, 0);
  const auto next = SendMessageW(text, EM_POSFROMCHAR, start + 2, 0);
  if (HIWORD(at) != HIWORD(next)) return false;  // not the last character of its line
  const LPARAM point = MAKELPARAM(LOWORD(at) + 2, HIWORD(at) + 2);
  PostMessageW(text, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(text, WM_LBUTTONUP, 0, point);
  return true;
}

// The viewer's keyword index: its list of keywords in their order.
std::vector<std::string> Keywords(HWND list) {
  std::vector<std::string> keywords;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    item.resize(std::wcslen(item.c_str()));
    keywords.push_back(ToShiftJis(item));
  }
  return keywords;
}

// The help viewer is not the program's: a test that fails half-way closes it, or it would hold
// the test's output open.
struct ViewerCloser {
  ~ViewerCloser() {
    for (HWND window = FindWindowExA(nullptr, nullptr, HelpViewerClass, nullptr); window;
         window = FindWindowExA(nullptr, window, HelpViewerClass, nullptr)) {
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
  }
};

// The system without a mail program for the scope: the "mailto" protocol's command goes and
// comes back.
class NoMailProgram {
 public:
  NoMailProgram() {
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CLASSES_ROOT, Command, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS) {
      command_ = value;
    }
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "mailto");
  }
  NoMailProgram(const NoMailProgram&) = delete;
  NoMailProgram& operator=(const NoMailProgram&) = delete;
  ~NoMailProgram() {
    if (command_.empty()) return;
    RegSetKeyValueA(HKEY_CLASSES_ROOT, "mailto", "URL Protocol", REG_SZ, "", 1);
    RegSetKeyValueA(HKEY_CLASSES_ROOT, Command, nullptr, REG_SZ, command_.c_str(), static_cast<DWORD>(command_.size() + 1));
  }

 private:
  static constexpr const char* Command = "mailto\\shell\\open\\command";
  std::string command_;
};

// A string value of the system's registry for the scope of a test, put back (or deleted) after.
class ScopedRegistryString {
 public:
  ScopedRegistryString(HKEY root, std::string key, const char* name, const std::string& value)
      : root_(root), key_(std::move(key)), name_(name ? name : "") {
    char old[1024] = {};
    DWORD size = sizeof old;
    if (RegGetValueA(root_, key_.c_str(), name, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS) old_ = old;
    RegSetKeyValueA(root_, key_.c_str(), name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
  }
  ScopedRegistryString(const ScopedRegistryString&) = delete;
  ScopedRegistryString& operator=(const ScopedRegistryString&) = delete;
  ~ScopedRegistryString() {
    const char* name = name_.empty() ? nullptr : name_.c_str();
    if (old_) {
      RegSetKeyValueA(root_, key_.c_str(), name, REG_SZ, old_->c_str(), static_cast<DWORD>(old_->size() + 1));
    } else {
      RegDeleteKeyValueA(root_, key_.c_str(), name);
    }
  }

 private:
  HKEY root_;
  std::string key_;
  std::string name_;
  std::optional<std::string> old_;
};

// Wine's prefix tells a program the Windows version it is set to, for one program alone too: the
// help viewer is there up to Windows XP.
class OlderWindows : public ScopedRegistryString {
 public:
  OlderWindows() : ScopedRegistryString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\PIKTORAN.EXE", "Version", "winxp") {}
};

TEST(Help, AboutBoxContactHelpContentsJumpKeywordSearchAndQuit) {
  const ViewerCloser closer;
  const OlderWindows olderWindows;
  Program program;
  Program::SetSetting("Version", "17");
  const Process process = program.Start();
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);

  // The about box shows the installed version and the program's texts.
  HWND about = OpenAboutBox(process, main);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(WindowText(about), "ピクトラン バージョン情報");
  RECT client;
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 413);
  EXPECT_EQ(client.bottom, 299);
  std::vector<std::string> texts = AboutTexts(about);
  EXPECT_TRUE(Shows(texts, "Version 1.7"));
  EXPECT_TRUE(Shows(texts, "PIKTORAN.EXE (ピクトラン)"));
  EXPECT_TRUE(Shows(texts, std::string("Copyright ") + MakingPeriod));
  EXPECT_TRUE(Shows(texts, "画面キャプチャーソフト"));
  EXPECT_TRUE(Shows(texts, "アニメ／カーソル／アイコン取り込み可"));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.starts_with("JPEG：libjpeg-turbo "); }));
  for (const char* button : {"Ｏ Ｋ", "HOME PAGE", "by QUILOSOFT 宛メール"}) {
    ASSERT_NE(FindButton(about, button), nullptr) << button;
    EXPECT_TRUE(WaitUntil([&] { return Drawn(FindButton(about, button)); })) << button;
  }
  Screenshot("about-box");

  // Declining both home pages opens nothing and leaves the box open.
  ASSERT_TRUE(PressButton(about, "HOME PAGE"));
  Answer(process, HomePageQuestion(HomePageAddresses[0]), "いいえ");
  Answer(process, HomePageQuestion(HomePageAddresses[1]), "いいえ");
  EXPECT_TRUE(IsWindowVisible(about));
  // Without a mail program the mail button says so and the box stays open.
  {
    const NoMailProgram noMail;
    ASSERT_TRUE(PressButton(about, "by QUILOSOFT 宛メール"));
    Answer(process, "インターネットメールソフトが設定されていません・・・", "ＯＫ");
  }
  EXPECT_TRUE(IsWindowVisible(about));
  CloseAboutBox(about);

  // Without a stored version the box says it does not know.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\QUILO SOFT32\\PIKTORAN", 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueA(key, "Version");
  RegCloseKey(key);
  about = OpenAboutBox(process, main);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(Shows(AboutTexts(about), "Version ?.?"));
  CloseAboutBox(about);

  // The contact message names the addresses and the JPEG library.
  ASSERT_TRUE(ChooseMenuEntry(main, "HQ"));
  HWND contact = FindMessageBox(process);
  ASSERT_NE(contact, nullptr);
  const std::string message = MessageBoxText(contact);
  EXPECT_NE(message.find(MailAddress), std::string::npos) << message;
  EXPECT_NE(message.find(HomePageAddresses[1]), std::string::npos) << message;
  EXPECT_NE(message.find("JPEG：libjpeg-turbo "), std::string::npos) << message;
  PressOk(contact);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(contact); }));

  // ヘルプ... opens the help file beside the program on its contents, in Japanese.
  ASSERT_TRUE(ChooseMenuEntry(main, "HH"));
  HWND viewer = ShownWindowOfClass(HelpViewerClass);
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return TopicStartsWith(viewer, "目次"); })) << Describe(viewer);
  EXPECT_TRUE(WaitUntil([&] { return TopicDrawn(viewer); }));
  Screenshot("help-contents");

  // A jump leads to its topic.
  ASSERT_TRUE(ClickJump(viewer, "ピクトランとは"));
  EXPECT_TRUE(WaitUntil([&] { return TopicStartsWith(viewer, "ピクトランとは"); }))
      << Describe(viewer);
  EXPECT_TRUE(WaitUntil([&] { return TopicDrawn(viewer); }));
  Screenshot("help-topic");

  // キーワードで検索... opens the viewer's keyword index on the help's keywords; a keyword opens its
  // topic.
  ASSERT_TRUE(ChooseMenuEntry(main, "HK"));
  DWORD viewerProcess = 0;
  GetWindowThreadProcessId(viewer, &viewerProcess);
  HWND index = nullptr, list = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND window : TopLevelWindows(viewerProcess)) {
      if (ClassOf(window) == DialogClass && IsWindowVisible(window)) index = window;
    }
    list = index ? ChildOfClass(index, "ListBox") : nullptr;
    return list && SendMessageW(list, LB_GETCOUNT, 0, 0) > 0;
  }));
  const std::vector<std::string> keywords = Keywords(list);
  EXPECT_TRUE(Shows(keywords, "キャプチャー"));
  EXPECT_TRUE(Shows(keywords, "索引"));
  EXPECT_TRUE(Shows(keywords, "ホットスポット"));
  Screenshot("help-keyword-search");
  const auto capture = std::find(keywords.begin(), keywords.end(), "キャプチャー");
  ASSERT_NE(capture, keywords.end());
  SendMessageW(list, LB_SETCURSEL, capture - keywords.begin(), 0);
  PostMessageW(index, PSM_PRESSBUTTON, PSBTN_OK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(index) && TopicStartsWith(viewer, "画面の取り込み"); }))
      << Describe(viewer);
  EXPECT_TRUE(WaitUntil([&] { return TopicDrawn(viewer); }));
  Screenshot("help-keyword-topic");

  // Closing the program closes the help.
  CloseAndWait(process, main);
  EXPECT_TRUE(WaitUntil([] { return !AnyShownWindowOfClass(HelpViewerClass); }));
}

// On Windows 10 (the prefix's own setting) there is no help viewer: ヘルプ... opens the help page
// beside the program in the browser, on its contents, and キーワードで検索... on its index; so it
// does where the loader lacks the search flags of later systems (the version is read all the
// same). Where the program registered for pages is not the system's browser but, say, an editor,
// it is given the page's file, not an address it would take for a file name.
TEST(Help, WithoutAHelpViewerTheHelpPageOpensInTheBrowserOrAsAFile) {
  const std::string standIn = OwnFolder() + "browser_stand_in.exe";
  // Wine's prefix has no program for HTML files, as every Windows has; the stand-in is the
  // system's browser, which also opens web addresses.
  const ScopedRegistryString pages(HKEY_CLASSES_ROOT, ".htm", nullptr, "htmlfile");
  std::optional<ScopedRegistryString> pageProgram;
  pageProgram.emplace(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", nullptr, "\"" + standIn + "\" \"%1\"");
  const ScopedRegistryString web(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", nullptr, "\"" + standIn + "\" \"%1\"");
  Program program;
  Program::SetSetting("Version", "17");
  HookLibrary olderLoader("older_loader.dll", PatchingHookName);
  const Process process = olderLoader.Start(program);
  HWND main = StartedMainWindow(process);
  ASSERT_NE(main, nullptr);
  const std::string page = program.Folder() + "PIKTORAN.HTM";
  std::string address = "file:///";
  for (const char c : page) {
    address += c == '\\' ? std::string("/") : c == ' ' ? std::string("%20") : std::string(1, c);
  }
  const auto expectOpened = [&](const char* mnemonics, const std::string& expected) {
    ASSERT_TRUE(ChooseMenuEntry(main, mnemonics));
    HWND opened = ShownWindowOfClass(BrowserStandInClass);
    ASSERT_NE(opened, nullptr) << mnemonics;
    EXPECT_EQ(WindowText(opened), expected) << mnemonics;
    PostMessageA(opened, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(opened); }));
  };
  expectOpened("HH", address);
  expectOpened("HK", address + "#index");
  EXPECT_EQ(FindWindowA(HelpViewerClass, nullptr), nullptr);

  // An editor for pages (the stand-in under another name) gets the file.
  const std::string editor = program.Folder() + "page_editor.exe";
  ASSERT_TRUE(CopyFileA(standIn.c_str(), editor.c_str(), FALSE));
  pageProgram.reset();
  pageProgram.emplace(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", nullptr, "\"" + editor + "\" \"%1\"");
  expectOpened("HH", page);
  expectOpened("HK", page);
  CloseAndWait(process, main);
}

}  // namespace
}  // namespace e2e
