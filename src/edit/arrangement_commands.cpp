#include "edit/arrangement_commands.h"

#include <algorithm>
#include <vector>

#include "edit/arrangement.h"
#include "edit/draw_shape.h"
#include "picture/stamp_pixels.h"
#include "workspace/main_menu.h"

namespace {
constexpr Pixel White = MakePixel(255, 255, 255);
}  // namespace

void ArrangementCommands::Bind(CommandTable& commands) {
  commands.BindOpening("M_NARABEL0", [this] { M_NARABEL0Click(); });
  commands.Bind("M_NARABEL", [this] { M_NARABELClick(); });
  commands.Bind("M_SLIP", [this] { M_SLIPClick(); });
  commands.Bind("M_BAIMITU", [this] { M_BAIMITUClick(); });
  for (int index = 0; index < NaraberuShapeCount; ++index) {
    commands.Bind(NaraberuShapeEntries[index], [this, index] { P_ALLClick(index); });
  }
  for (int index = 0; index < SizeStepCount; ++index) {
    commands.Bind(SizeStepEntries[index], [this, index] { M_SIZE0Click(index); });
  }
}

void ArrangementCommands::ShowSettings() {
  MenuTree& menu = window_.Menu();
  const MainSettings& s = workspace_.settings;
  CheckIndexEntry(menu, NaraberuShapeEntries, s.naraberuShape);
  menu.SetChecked("M_SLIP", s.kougo);
  menu.SetChecked("M_BAIMITU", s.baimitu);
  CheckIndexEntry(menu, SizeStepEntries, s.sizeIndex);
}

void ArrangementCommands::M_NARABEL0Click() {
  window_.Menu().SetEnabled("M_NARABEL", workspace_.picture.HasWorkingPicture());
}

void ArrangementCommands::M_NARABELClick() {
  Picture& working = workspace_.picture.Working();
  if (working.Empty()) return;
  const CurrentCursor& cursor = workspace_.cursor;
  const Size pictureSize = working.GetSize();
  const Size cursorSize = cursor.GetSize();
  const MainSettings& s = workspace_.settings;

  // The pattern mask (Image_PT): white where cursors go, the figure black. The whole picture has
  // no figure, so it needs no mask: every sample point is white.
  const ArrangementOptions options{s.kougo, s.baimitu};
  Picture mask;
  if (s.naraberuShape != 0) {
    if (!mask.Create(pictureSize)) {
      window_.ShowMsg(OutOfMemoryText);
      return;
    }
    // Only the lines the grid samples are filled and drawn; the rest of the mask's memory is
    // never touched.
    std::vector<int> sampled;  // in order within each grid
    const auto sample = [&sampled](int, int y) {
      if (sampled.empty() || sampled.back() != y) sampled.push_back(y);
      return false;
    };
    ForEachArrangementCell(pictureSize, cursorSize, options, sample, [](Point) {});
    std::sort(sampled.begin(), sampled.end());
    sampled.erase(std::unique(sampled.begin(), sampled.end()), sampled.end());
    std::vector<Bounds> lines;
    for (int y : sampled) {
      std::fill_n(mask.Row(y), pictureSize.width, White);
      lines.push_back({0, y, pictureSize.width, 1});
    }
    const Point shift = ArrangementMaskShift(pictureSize, cursorSize);
    DrawShape(mask, s.naraberuShape, shift.x, shift.y, RGB(0, 0, 0), ShapeDivisor(s.sizeIndex), lines);
  }
  // On the picture's memory, a row of cells at a time: the cells of a row share their lines.
  GdiFlush();
  const PixelRows target{working.Pixels(), pictureSize};
  const ConstPixelRows andMask{cursor.andMask.Pixels(), cursor.andMask.GetSize()};
  const ConstPixelRows xorColour{cursor.xorColour.Pixels(), cursor.xorColour.GetSize()};
  std::vector<Point> row;
  const auto stampRow = [&] {
    StampPixels(target, andMask, xorColour, row, cursor.combineWithOr);
    row.clear();
  };
  ForEachArrangementCell(
      pictureSize, cursorSize, options,
      [&mask](int x, int y) { return mask.Empty() || (mask.Row(y)[x] & 0xFFFFFF) == White; },
      [&](Point corner) {
        if (!row.empty() && row.front().y != corner.y) stampRow();
        row.push_back(corner);
      });
  stampRow();
  window_.RefreshPicture();
}

void ArrangementCommands::P_ALLClick(int index) {
  workspace_.settings.naraberuShape = index;
  CheckIndexEntry(window_.Menu(), NaraberuShapeEntries, index);
  M_NARABELClick();
}

void ArrangementCommands::M_SLIPClick() {
  workspace_.settings.kougo = !workspace_.settings.kougo;
  window_.Menu().SetChecked("M_SLIP", workspace_.settings.kougo);
  M_NARABELClick();
}

void ArrangementCommands::M_BAIMITUClick() {
  workspace_.settings.baimitu = !workspace_.settings.baimitu;
  window_.Menu().SetChecked("M_BAIMITU", workspace_.settings.baimitu);
  M_NARABELClick();
}

void ArrangementCommands::M_SIZE0Click(int index) {
  workspace_.settings.sizeIndex = index;
  CheckIndexEntry(window_.Menu(), SizeStepEntries, index);
}
