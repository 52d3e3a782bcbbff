#pragma once
#include <string>

#include "app/help_commands.h"
#include "app/incoming_files.h"
#include "app/main_layout.h"
#include "app/program_context.h"
#include "app/window_options.h"
#include "capture/capture_commands.h"
#include "capture/hot_key_capture.h"
#include "capture/value_entry_commands.h"
#include "cursor/cursor_bar.h"
#include "edit/arrangement_commands.h"
#include "edit/colour_commands.h"
#include "edit/composition_commands.h"
#include "edit/picture_commands.h"
#include "msgbox/mk_box_dlg.h"
#include "output/clipboard_commands.h"
#include "output/file_commands.h"
#include "output/paint_program.h"
#include "output/picture_memories.h"
#include "output/print_commands.h"
#include "output/series_saving.h"
#include "output/wallpaper_commands.h"
#include "setup/shortcut_commands.h"
#include "setup/shortcut_paths.h"
#include "ui/command_table.h"
#include "ui/form.h"
#include "ui/hints.h"
#include "ui/timer.h"
#include "workspace/reshow_sequence.h"

// The main window TPIKTORAN_QUILO composes the program: it owns the menu, the layout, the
// workspace and one controller per feature, runs the start-up and the close path, and serves
// the features through MainWindowServices.
class MainWindow : public Form, private MainWindowServices {
 public:
  static constexpr const char* ClassName = "TPIKTORAN_QUILO";

  // Binds every feature's handlers; throws std::logic_error for a name the menu lacks.
  explicit MainWindow(ProgramContext context);
  // Creates the window and runs FormCreate; the deferred start-up follows 100 ms later.
  bool Create();

  // FormPaint's colour rule: the window colour unless the window text on it is black, then
  // the button face.
  COLORREF Colour() const override;
  HFONT Font() const override { return layout_.Font(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleDialogKey(const MSG& message) override;
  void DpiChanged(int oldDpi, int newDpi) override;
  void OnFailure(std::exception_ptr failure) override;

 private:
  void FormCreate();
  void TimerCreateTimer();
  void ReadSettings();
  void ReadShortcutPaths();
  void CompleteStartup();
  void FormCloseQuery();
  void FormResize();
  LRESULT ColourOf(HDC dc, HWND control);

  // MainWindowServices.
  Form& Window() override { return *this; }
  MenuTree& Menu() override { return MainMenu1; }
  int ShowMsg(const std::string& text) override { return MKBoxDlg1.ShowMsg(text); }
  int ShowMsgTimed(const std::string& text, int answer) override { return MKBoxDlg1.ShowMsgTimed(text, answer); }
  int AskYesNoTimed(const std::string& text, int answer) override { return MKBoxDlg1.AskYesNoTimed(text, answer); }
  void ShowSizeText(const std::string& text) override { layout_.sizeBar.ShowText(text); }
  void HideForWork() override;
  void RefreshPicture() override { layout_.ScrollBox1.Refresh(); }
  void ShowPicture(const std::string& sizeText) override;
  void ShowNewPicture(const std::string& sizeText) override;
  void StartReshow() override { reshow_.Start(); }
  void LeaveTopMost() override { options_.LeaveTopMost(); }
  void ApplyTopMost() override { options_.ApplyTopMost(); }

  ProgramContext context_;
  MenuTree MainMenu1;
  CommandTable commands_{MainMenu1};
  TMKBoxDlg MKBoxDlg1;
  Hints hints_;
  // The workspace goes before the layout: ScrollBox1 shows its picture and must go first.
  Workspace workspace_;
  FileCommands files_{workspace_, *this};
  PictureMemories memories_{workspace_, *this};
  FileHistory history_{workspace_, *this, files_, memories_};
  ClipboardCommands clipboard_{workspace_, *this};
  WallpaperCommands wallpaper_{workspace_, *this};
  PaintProgram paint_{workspace_, *this};
  MainLayout layout_{history_};
  ReshowSequence reshow_;
  WindowOptions options_{workspace_, *this, layout_, hints_};
  CaptureCommands capture_;
  HotKeyCapture hotKey_{workspace_, *this, capture_};
  SeriesSaving series_{workspace_, *this, history_};
  ValueEntryCommands valueEntry_;
  PictureCommands pictureCommands_{workspace_, *this};
  ColourCommands colours_{workspace_, *this};
  ArrangementCommands arrangement_{workspace_, *this};
  CompositionCommands composition_{workspace_, *this};
  HelpCommands help_{workspace_, *this, context_.jpegLibrary};
  PrintCommands printing_{workspace_, *this};
  CursorBar cursorBar_;
  IncomingFiles incoming_{*this, history_, capture_};
  Timer TimerCreate;

  bool closeDone_ = false;
  bool startupComplete_ = false;
  std::string startupError_;
  ShortcutPaths shortcuts_;
  ShortcutCommands shortcutCommands_{workspace_, *this, shortcuts_};
};
