#pragma once
// Parts of PIKTORAN's windows the tests look for: the size bar, the picture, the cursor bar's
// controls, and the system's file dialogs the program opens.
#include <functional>
#include <string>

#include "driver.h"

namespace e2e {

// Runs this process's own windows while waiting, so a test window paints itself.
void Pump();
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The size bar: the main window's read-only edit control.
HWND SizeBar(HWND main);
// The installer shows as its user sees it: drawn, with the group list from Program Manager filled
// and the chosen group's name drawn in its box.
bool InstallerShown(HWND installer);
// ScrollBox1, which shows the working picture.
HWND PictureBox(HWND main);
// The `index`-th descendant of that class, in creation order; null when there is none.
HWND ChildOfClass(HWND window, const std::string& className, int index = 0);

// The system dialog the program opens (file, print, print setup) once it shows.
HWND WaitForSystemDialog(const Process& process);
// Types the full name into the dialog's name field and presses its OK button.
bool AnswerFileDialog(HWND dialog, const std::string& fileName);
// Types a folder into the name field and presses OK, as a user goes to a folder in the dialog;
// true once the dialog shows it (the field is emptied then).
bool OpenFolderInFileDialog(HWND dialog, const std::string& folder);

// A file's whole content (empty when it cannot be read), and whether a file or folder is there.
std::string FileText(const std::string& path);
bool FileExists(const std::string& path);

// Chooses a menu entry from the keyboard: the menu-bar menu with the first mnemonic, then each
// submenu's mnemonic in turn, the last one choosing the entry.
bool ChooseMenuEntry(HWND main, const std::string& mnemonics);
// The File menu's submenus have no mnemonics: the one at `position` (from 0) is opened from the
// keyboard with the arrow keys; true once it shows. Choosing then takes the entry's mnemonic.
bool OpenFileSubmenu(HWND main, int position);
bool ChooseInFileSubmenu(HWND main, int position, char mnemonic);
// ２倍, the first entry of 画面合成(&S) and without a mnemonic: Enter once the pop-up shows it
// highlighted (before that, Wine's menu loop may take the key with nothing selected).
bool ChooseDouble(HWND main);
// Once the program's file dialog shows: checks its title and answers it with the file.
void AnswerDialogTitled(const Process& process, const std::string& title, const std::string& file);
// ＢＭＰ／ＪＰＧロード through the program's file dialog.
void LoadPicture(const Process& process, HWND main, const std::string& file);

}  // namespace e2e
