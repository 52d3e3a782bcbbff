#include "edit/picture_commands.h"

#include "ui/application.h"

namespace {
constexpr const char* BitmapSizePrefix = "ＢＭＰサイズ ";
constexpr const char* ConfirmedText = "確定しました。\n現在の画面が、元の画面となります☆☆☆";
constexpr const char* RotateEntries[] = {"MK_Migi", "MK_SAKA", "MK_Left", "MK_Mirror"};
}  // namespace

void PictureCommands::Bind(CommandTable& commands) {
  commands.BindOpening("M_GAMEN0", [this] { M_GAMEN0Click(); });
  commands.BindOpening("M_KAITEN0", [this] { M_KAITEN0Click(); });
  commands.Bind("M_Real", [this] { M_RealClick(); });
  commands.Bind("M_Clear", [this] { M_ClearClick(); });
  commands.Bind("MK_Migi", [this] { MK_MigiClick(TransformKind::RotateRight); });
  commands.Bind("MK_SAKA", [this] { MK_MigiClick(TransformKind::Rotate180); });
  commands.Bind("MK_Left", [this] { MK_MigiClick(TransformKind::RotateLeft); });
  commands.Bind("MK_Mirror", [this] { MK_MigiClick(TransformKind::Mirror); });
  commands.Bind("MBMP_BAI", [this] { MBMP_HEARFClick(ScaleKind::Double); });
  commands.Bind("MBMP_HEARF", [this] { MBMP_HEARFClick(ScaleKind::Half); });
}

void PictureCommands::M_GAMEN0Click() {
  window_.Menu().SetEnabled("M_Clear", Pictures().CanRestore());
  window_.Menu().SetEnabled("M_Real", Pictures().HasWorkingPicture());
}

void PictureCommands::M_KAITEN0Click() { window_.Menu().SetEnabled(RotateEntries, Pictures().HasWorkingPicture()); }

void PictureCommands::M_RealClick() {
  if (workspace_.LowColourScreen()) Pictures().ScreenFormatRoundTrip();
  // Out of memory: no confirmation is claimed for a base picture that did not change.
  if (Pictures().SetBaseFromWorking()) window_.ShowMsgTimed(ConfirmedText, 1);
}

void PictureCommands::M_ClearClick() {
  window_.HideForWork();
  Pictures().Restore();
  window_.ShowNewPicture(PictureSizeText(PictureSizePrefix, Pictures().Working()));
}

void PictureCommands::MK_MigiClick(TransformKind kind) {
  if (workspace_.LowColourScreen()) Pictures().ScreenFormatRoundTrip();
  HourglassGuard hourglass;
  Pictures().StreamRoundTrip();
  // A failed turn leaves both pictures, and the window, as they were.
  if (!Pictures().Turn(kind)) {
    if (Pictures().HasWorkingPicture()) window_.ShowMsg(OutOfMemoryText);
    return;
  }
  window_.HideForWork();
  window_.ShowNewPicture(PictureSizeText(BitmapSizePrefix, Pictures().Base()));
}

void PictureCommands::MBMP_HEARFClick(ScaleKind kind) {
  if (Pictures().Scale(kind)) window_.ShowPicture(PictureSizeText(PictureSizePrefix, Pictures().Working()));
}
