#include "output/picture_memories.h"

#include <new>

#include "common/work_files.h"
#include "output/picture_files.h"
#include "output/picture_replacement.h"
#include "shell/file_system.h"

namespace {

constexpr const char* SaveEntries[] = {"MBMP_M1SAVE", "MBMP_M2SAVE"};
constexpr const char* LoadEntries[] = {"MBMP_M1LOAD", "MBMP_M2LOAD"};
constexpr const char* MissingTexts[] = {"エラー： ＢＭＰメモリー１がありません・・・",
                                        "エラー： ＢＭＰメモリー２がありません・・・"};

}  // namespace

void PictureMemories::Bind(CommandTable& commands) {
  commands.BindOpening("MF_BMP0", [this] { MF_BMP0Click(); });
  for (int memory = 1; memory <= 2; ++memory) {
    commands.Bind(SaveEntries[memory - 1], [this, memory] { MBMP_M1SAVEClick(memory); });
    commands.Bind(LoadEntries[memory - 1], [this, memory] { MBMP_M1LOADClick(memory); });
  }
}

std::string PictureMemories::MemoryPath(int memory) const {
  return workspace_.programFolder + (memory == 1 ? Memory1File : Memory2File);
}

void PictureMemories::MF_BMP0Click() {
  for (int memory = 1; memory <= 2; ++memory) {
    window_.Menu().SetEnabled(LoadEntries[memory - 1], FileExists(MemoryPath(memory)));
  }
}

bool PictureMemories::SaveMemory(const char* workFile) {
  TopMostSuspension topMost(window_);
  if (workspace_.LowColourScreen()) workspace_.picture.ScreenFormatRoundTrip();
  bool saved = false;
  try {
    saved = WriteBmpFile(workspace_.picture.Working(), workspace_.programFolder + workFile);
  } catch (const std::bad_alloc&) {
  }
  if (!saved) window_.ShowMsg("ＢＭＰセーブに失敗しました・・・");
  return saved;
}

void PictureMemories::MBMP_M1SAVEClick(int memory) { SaveMemory(memory == 1 ? Memory1File : Memory2File); }

void PictureMemories::MBMP_M1LOADClick(int memory) {
  const std::string file = MemoryPath(memory);
  if (!FileExists(file)) {
    window_.ShowMsg(MissingTexts[memory - 1]);
    return;
  }
  ReplacePictureFromFile(workspace_, window_, file,
                         {.laterFailureText = "エラー： ＢＭＰロードに失敗しました・・・", .screenFormat = true});
}
