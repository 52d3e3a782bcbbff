#include "window_parts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>

namespace e2e {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  return WaitUntil([&] {
    Pump();
    return condition();
  }, timeoutMs);
}
namespace {
constexpr const char* DialogClass = "#32770";
constexpr int FileNameEdit = 0x480;   // edt1
constexpr int FileNameCombo = 0x47C;  // cmb13, with the edit somewhere inside
}  // namespace

HWND ChildOfClass(HWND window, const std::string& className, int index) {
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) == className && index-- == 0) return child;
  }
  return nullptr;
}

bool InstallerShown(HWND installer) {
  HWND group = ChildOfClass(installer, "ComboBox");
  if (!ControlsDrawn(installer) || !ButtonsPainted(installer) || SendMessageA(group, CB_GETCOUNT, 0, 0) <= 0) return false;
  // Not all of the name's box is its background.
  const RECT name = WindowRect(ChildOfClass(group, "Edit"));
  return PixelsOfColour(name, ScreenPixel(name.left, name.top)) < (name.right - name.left) * (name.bottom - name.top);
}

HWND SizeBar(HWND main) { return ChildOfClass(main, "Edit"); }
HWND PictureBox(HWND main) { return ChildOfClass(main, "TScrollBox"); }

// The system dialog the program opens (file, print, print setup) once it shows.
HWND WaitForSystemDialog(const Process& process) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = process.FindWindowOfClass(DialogClass);
    return dialog && IsWindowVisible(dialog);
  });
  return dialog;
}

namespace {

// The file dialog's name field: an edit of its own, or the one inside its name combo box.
HWND FileNameField(HWND dialog) {
  HWND edit = GetDlgItem(dialog, FileNameEdit);
  if (!edit) {
    HWND combo = GetDlgItem(dialog, FileNameCombo);
    for (HWND child : combo ? Descendants(combo) : std::vector<HWND>{}) {
      if (ClassOf(child) == "Edit") edit = child;
    }
  }
  return edit;
}

// Types the text into the dialog's name field and presses its OK button; null when there is no field.
HWND TypeNameAndPressOk(HWND dialog, const std::string& text) {
  HWND edit = FileNameField(dialog);
  if (!edit) return nullptr;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return edit;
}

}  // namespace

bool AnswerFileDialog(HWND dialog, const std::string& fileName) {
  return TypeNameAndPressOk(dialog, fileName) &&
         WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool OpenFolderInFileDialog(HWND dialog, const std::string& folder) {
  HWND edit = TypeNameAndPressOk(dialog, folder);
  return edit && WaitUntil([&] { return WindowText(edit).empty(); });
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool ChooseMenuEntry(HWND main, const std::string& mnemonics) {
  if (mnemonics.empty() || !OpenBarMenu(main, mnemonics[0])) return false;
  for (std::size_t i = 1; i < mnemonics.size(); ++i) {
    PostMessageA(main, WM_CHAR, static_cast<WPARAM>(std::tolower(static_cast<unsigned char>(mnemonics[i]))), 1);
    const int popups = static_cast<int>(i) + 1;
    if (i + 1 < mnemonics.size() && !WaitUntil([&] { return OpenMenuPopups(main) == popups; }, 3000)) return false;
  }
  return true;
}

bool OpenFileSubmenu(HWND main, int position) {
  if (!OpenBarMenu(main, 'F')) return false;
  for (int i = 0; i < position; ++i) PostMessageA(main, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageA(main, WM_KEYDOWN, VK_RIGHT, 1);
  return WaitUntil([&] { return OpenMenuPopups(main) == 2; }, 3000);
}

bool ChooseInFileSubmenu(HWND main, int position, char mnemonic) {
  if (!OpenFileSubmenu(main, position)) return false;
  PostMessageA(main, WM_CHAR, static_cast<WPARAM>(std::tolower(static_cast<unsigned char>(mnemonic))), 1);
  return true;
}

bool ChooseDouble(HWND main) {
  if (!OpenBarMenu(main, 'S') || !WaitUntil([&] { return MenuPopupDrawn(main); })) return false;
  PostMessageA(main, WM_KEYDOWN, VK_RETURN, 1);
  return true;
}

void AnswerDialogTitled(const Process& process, const std::string& title, const std::string& file) {
  HWND dialog = WaitForSystemDialog(process);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), title);
  ASSERT_TRUE(AnswerFileDialog(dialog, file));
}

void LoadPicture(const Process& process, HWND main, const std::string& file) {
  ASSERT_TRUE(ChooseMenuEntry(main, "FL"));
  AnswerDialogTitled(process, "ＢＭＰ／ＪＰＧファイルの選択", file);
}

}  // namespace e2e
