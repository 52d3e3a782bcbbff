#pragma once
#include <string>

#include "output/file_preview.h"
#include "ui/command_table.h"
#include "ui/file_dialog.h"
#include "ui/picture.h"
#include "ui/timer.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The two-picture composition: a second picture loaded from a file shows through a figure in
// the middle of the working picture, or on its white parts. The base picture stays.
class CompositionCommands {
 public:
  CompositionCommands(Workspace& workspace, MainWindowServices& window);

  void Bind(CommandTable& commands);
  // The shape's check and the centre correction's caption and check, from the settings.
  void ShowSettings();

  void M_GOUSEI0Click();
  void M_GOUSEIClick();
  void MBMP_KASANERUClick();
  void MBMP_ALLClick(int index);
  void MG_HOSEIClick();
  void MG_HCLRClick();

  // Loads `fileName` (a full path) as the second picture, as the load command does once its dialog has
  // named the file; the composition follows by Timer_GOUSEI. False when it is no picture.
  bool LoadSecondPicture(const std::string& fileName);
  const Picture& SecondPicture() const { return Image_KASANERU; }

 private:
  void Timer_GOUSEITimer();
  // The white variant starts again from the base picture, when there is one.
  bool StartsFromBase() const;
  // Everything between disabling and enabling the menu; a bitmap that cannot be made leaves
  // the picture as it was.
  void Compose();
  void ComposeOnWhite(Point corner, Picture& whiteMask, Picture& composite);
  void ComposeInFigure(Point corner);

  Workspace& workspace_;
  MainWindowServices& window_;
  Picture Image_KASANERU;
  FilePreview preview_;  // before the dialog that points to it
  FileDialog OpenPictureDialog2{FileDialog::Kind::Open};
  Timer Timer_GOUSEI;
};
