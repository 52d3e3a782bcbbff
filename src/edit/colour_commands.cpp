#include "edit/colour_commands.h"

#include <commdlg.h>

#include <cstdint>
#include <cstring>

#include "ui/dialog_placement.h"
#include "workspace/current_clear_colour.h"
#include "workspace/main_menu.h"
#include "workspace/setting_captions.h"

void ColourCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MBMP_CLR0", [this] { MBMP_CLR0Click(); });
  commands.Bind("MBMP_CLR", [this] { MBMP_CLRClick(); });
  commands.Bind("BMPBG00", [this] { BMPBG00Click(); });
  commands.Bind("MIRO_TURN", [this] { MIRO_TURNClick(); });
  for (int index = 0; index < ClearColourCount; ++index) {
    commands.Bind(ClearColourEntries[index], [this, index] { BMPBG0Click(index); });
  }
}

void ColourCommands::ShowSettings() {
  CheckIndexEntry(window_.Menu(), ClearColourEntries, workspace_.settings.clearColourIndex);
  window_.Menu().SetCaption("BMPBG6", UserColourCaption(workspace_.settings.myColour));
}

void ColourCommands::MBMP_CLR0Click() {
  window_.Menu().SetEnabled("MBMP_CLR", workspace_.picture.HasWorkingPicture());
}

void ColourCommands::MBMP_CLRClick() {
  Picture& working = workspace_.picture.Working();
  if (working.Empty()) return;
  const auto colour = static_cast<COLORREF>(CurrentClearColour(workspace_.settings));
  {
    PictureDc canvas(working);
    SetDCBrushColor(canvas.Get(), colour);
    const RECT whole{0, 0, working.Width(), working.Height()};
    FillRect(canvas.Get(), &whole, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  GdiFlush();
  window_.RefreshPicture();
}

void ColourCommands::SelectEntry(int index) {
  workspace_.settings.clearColourIndex = index;
  CheckIndexEntry(window_.Menu(), ClearColourEntries, index);
  MBMP_CLRClick();
}

void ColourCommands::BMPBG0Click(int index) { SelectEntry(index); }

void ColourCommands::BMPBG00Click() {
  COLORREF custom[16] = {};
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_.Window().Handle();
  dialog.rgbResult = static_cast<COLORREF>(workspace_.settings.myColour);
  dialog.lpCustColors = custom;
  dialog.Flags = CC_FULLOPEN | CC_SOLIDCOLOR | CC_RGBINIT;
  TopMostSuspension topMost(window_);
  const SystemDialogPlacement placement;
  if (!ChooseColorA(&dialog)) {
    // Cancelled changes nothing; a dialog that could not be shown is reported.
    if (CommDlgExtendedError() != 0) window_.ShowMsg("色の設定に失敗しました・・・");
    return;
  }
  TakeUserColour(static_cast<int>(dialog.rgbResult & 0xFFFFFF));
}

void ColourCommands::TakeUserColour(int colour) {
  workspace_.settings.myColour = colour;
  window_.Menu().SetCaption("BMPBG6", UserColourCaption(colour));
  SelectEntry(6);
}

void ColourCommands::MIRO_TURNClick() {
  Picture& working = workspace_.picture.Working();
  if (working.Empty()) return;
  // Every bit turned in place, as a NOTSRCCOPY copy of the picture back over itself turns them:
  // one pass over the memory instead of a scratch copy and a blit.
  GdiFlush();
  Pixel* pixels = working.Pixels();
  const std::size_t count = static_cast<std::size_t>(working.Width()) * working.Height();
  // Two pixels a step, so that the loop keeps up with the memory; an odd last one alone.
  std::size_t i = 0;
  for (; i + 2 <= count; i += 2) {
    std::uint64_t two;
    std::memcpy(&two, pixels + i, sizeof two);
    two = ~two;
    std::memcpy(pixels + i, &two, sizeof two);
  }
  if (i < count) pixels[i] = ~pixels[i];
  window_.RefreshPicture();
}
