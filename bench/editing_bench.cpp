// The editing commands on a 3840 x 2160 working picture, each as its handler runs it (the
// controllers hosted by the tests' FakeWindow), timed in turns with a memcpy of the picture's
// pixels in the same process: the arrangement of a 32 x 32 cursor (whole picture with alternate
// rows, with double density, and around the circle), the composition of a 1920 x 1080 second picture in the circle,
// and the inversion. Runs under Wine via scripts/bench-editing, which times ImageMagick tiling the
// same cursor over the same picture beside it.
//   editing_bench.exe [runs] [folder for picture.bmp, cursor-colour.bmp and cursor-mask.bmp]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "edit/arrangement_commands.h"
#include "edit/colour_commands.h"
#include "edit/composition_commands.h"
#include "median_time.h"
#include "output/picture_files.h"
#include "win/fake_window.h"

namespace {

constexpr Size PictureSize{3840, 2160};
constexpr Size SecondSize{1920, 1080};
constexpr int CursorSide = 32;
constexpr int CircleShape = 1;

// Something other than one colour, so no step can take a shortcut.
PixelBuffer Gradient(Size size) {
  PixelBuffer buffer(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) buffer.At(x, y) = MakePixel(x, y, x + y);
  }
  return buffer;
}

// A round cursor: opaque (black mask) inside the circle, the picture showing around it.
bool LoadCursor(CurrentCursor& cursor) {
  PixelBuffer mask(CursorSide, CursorSide, MakePixel(255, 255, 255));
  PixelBuffer colour(CursorSide, CursorSide, 0);
  const int r = CursorSide / 2;
  for (int y = 0; y < CursorSide; ++y) {
    for (int x = 0; x < CursorSide; ++x) {
      if ((x - r) * (x - r) + (y - r) * (y - r) >= r * r) continue;
      mask.At(x, y) = 0;
      colour.At(x, y) = MakePixel(8 * x, 255 - 8 * y, 128);
    }
  }
  return cursor.andMask.Assign(mask) && cursor.xorColour.Assign(colour);
}

std::string TemporaryFolder() {
  char folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return length > 0 && length <= MAX_PATH ? std::string(folder, length) : std::string(".\\");
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  if (runs < 1 || runs > 1000) {
    std::fprintf(stderr, "usage: editing_bench.exe [runs 1-1000] [folder for the ImageMagick files]\n");
    return 2;
  }
  FakeWindow host;
  Workspace workspace;
  ArrangementCommands arrangement(workspace, host);
  CompositionCommands composition(workspace, host);
  ColourCommands colours(workspace, host);

  // The second picture goes in through its own load, before there is a working picture, so that
  // the load starts no composition of its own.
  const std::string secondFile = TemporaryFolder() + "piktoran-bench-second.bmp";
  Picture second;
  if (!second.Assign(Gradient(SecondSize)) || !WriteBmpFile(second, secondFile) ||
      !composition.LoadSecondPicture(secondFile)) {
    std::fprintf(stderr, "the second picture could not be written or loaded\n");
    return 1;
  }
  DeleteFileA(secondFile.c_str());
  Picture& working = workspace.picture.Working();
  Picture copy;
  if (!working.Assign(Gradient(PictureSize)) || !workspace.picture.SetBaseFromWorking() ||
      !copy.Create(PictureSize) || !LoadCursor(workspace.cursor)) {
    std::fprintf(stderr, "the pictures could not be made\n");
    return 1;
  }
  if (argc > 2) {
    const std::string folder = std::string(argv[2]) + "\\";
    if (!WriteBmpFile(working, folder + "picture.bmp") ||
        !WriteBmpFile(workspace.cursor.xorColour, folder + "cursor-colour.bmp") ||
        !WriteBmpFile(workspace.cursor.andMask, folder + "cursor-mask.bmp")) {
      std::fprintf(stderr, "the files for ImageMagick could not be written in %s\n", argv[2]);
      return 1;
    }
  }

  const std::size_t bytes = static_cast<std::size_t>(PictureSize.width) * PictureSize.height * sizeof(Pixel);
  const auto memcpyOfThePicture = [&] { std::memcpy(copy.Pixels(), working.Pixels(), bytes); };
  std::printf("working picture %d x %d, cursor %d x %d, second picture %d x %d, median of %d runs,\n"
              "each command timed in turns with a memcpy of the picture\n",
              PictureSize.width, PictureSize.height, CursorSide, CursorSide, SecondSize.width, SecondSize.height,
              runs);
  const auto report = [&](const char* name, auto command) {
    const TimesBeside t = MedianMsBeside(command, memcpyOfThePicture, runs);
    std::printf("  %-31s %8.2f ms  memcpy %6.2f ms  ratio %6.2f x\n", name, t.workMs, t.baselineMs, t.ratio);
  };

  MainSettings& s = workspace.settings;
  s.naraberuShape = 0;
  s.kougo = true;
  s.baimitu = false;
  report("arrange whole, alternate rows", [&] { arrangement.M_NARABELClick(); });
  s.baimitu = true;
  report("arrange whole, double density", [&] { arrangement.M_NARABELClick(); });
  s.naraberuShape = CircleShape;
  s.baimitu = false;
  report("arrange around the circle", [&] { arrangement.M_NARABELClick(); });
  workspace.picture.Restore();
  s.gouseiShape = CircleShape;
  s.hoseiOn = false;
  report("compose in the circle", [&] { composition.M_GOUSEIClick(); });
  report("invert", [&] { colours.MIRO_TURNClick(); });
  return 0;
}
