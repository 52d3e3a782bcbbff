#include "capture/capture_fill.h"

#include <algorithm>
#include <new>

#include "common/work_files.h"
#include "output/picture_files.h"
#include "workspace/current_clear_colour.h"

namespace {

// `gap` within both pictures' bounds; empty when they do not meet.
Bounds Within(const Bounds& gap, const Picture& a, const Picture& b) {
  const int left = std::max(gap.left, 0);
  const int top = std::max(gap.top, 0);
  const int right = std::min({gap.Right(), a.Width(), b.Width()});
  const int bottom = std::min({gap.Bottom(), a.Height(), b.Height()});
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

void Fill(Picture& picture, const Bounds& gap, Pixel colour) {
  const Bounds part = Within(gap, picture, picture);
  for (int y = part.top; y < part.Bottom(); ++y) std::fill_n(picture.Row(y) + part.left, part.width, colour);
}

void Copy(Picture& picture, const Picture& from, const Bounds& gap) {
  const Bounds part = Within(gap, picture, from);
  for (int y = part.top; y < part.Bottom(); ++y) std::copy_n(from.Row(y) + part.left, part.width, picture.Row(y) + part.left);
}

// Picture memory 1, or an empty picture when it is missing or unreadable.
Picture MemoryOne(const Workspace& workspace) {
  Picture memory;
  try {
    const auto decoded = ReadPictureFile(workspace.programFolder + Memory1File);
    if (!decoded || !memory.Assign(*decoded) || !WorkingPicture::CheckBitmapReadable(memory)) memory.Clear();
  } catch (const std::bad_alloc&) {
    memory.Clear();
  }
  return memory;
}

}  // namespace

void FillCaptureGaps(Workspace& workspace, MainWindowServices& window) {
  Picture& working = workspace.picture.Working();
  if (workspace.LowColourScreen() && !working.Empty()) workspace.picture.ScreenFormatRoundTrip();
  // Gaps belong to the capture that made them: whatever happens, they are not used again.
  const std::vector<Bounds> gaps = std::move(workspace.captureFill);
  workspace.captureFill.clear();
  if (gaps.empty() || !workspace.settings.capcherGousei || working.Empty()) return;
  GdiFlush();
  if (workspace.settings.gouseiM1) {
    const Picture memory = MemoryOne(workspace);
    window.Window().Show();
    if (memory.Empty()) return;
    for (const Bounds& gap : gaps) Copy(working, memory, gap);
  } else {
    const int colour = CurrentClearColour(workspace.settings);
    const Pixel pixel = MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    for (const Bounds& gap : gaps) Fill(working, gap, pixel);
  }
  window.RefreshPicture();
}
