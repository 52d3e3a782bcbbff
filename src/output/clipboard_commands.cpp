#include "output/clipboard_commands.h"

#include <new>

#include "formats/picture_bytes.h"
#include "formats/png_codec.h"
#include "output/picture_replacement.h"
#include "workspace/current_clear_colour.h"

void ClipboardCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MF_CLIP0", [this] { MF_CLIP0Click(); });
  commands.Bind("MCLIP_SAVE", [this] { MCLIP_SAVEClick(); });
  commands.Bind("MCLIP_LOAD", [this] { MCLIP_LOADClick(); });
}

bool ClipboardCommands::ClipboardHoldsPicture() {
  if (IsClipboardFormatAvailable(CF_BITMAP)) return true;
  const UINT png = PngClipboardFormat();
  return png != 0 && IsClipboardFormatAvailable(png);
}

void ClipboardCommands::MF_CLIP0Click() { window_.Menu().SetEnabled("MCLIP_LOAD", ClipboardHoldsPicture()); }

void ClipboardCommands::MCLIP_SAVEClick() {
  const Picture& working = workspace_.picture.Working();
  bool saved = false;
  try {
    // The PNG beside the bitmap keeps the exact pixels for programs that take it; without it
    // (no memory for it) the bitmap alone still goes.
    std::optional<std::vector<std::uint8_t>> png;
    if (!working.Empty()) png = EncodePng(working.ToPixelBuffer());
    saved = working.PutOnClipboard(window_.Window().Handle(),
                                   png ? ClipboardFile{PngClipboardFormat(), *png} : ClipboardFile{});
  } catch (const std::bad_alloc&) {
    saved = working.PutOnClipboard(window_.Window().Handle());
  }
  if (!saved) {
    window_.ShowMsg("エラー： クリップボードへのセーブに失敗しました・・・");
  }
}

void ClipboardCommands::MCLIP_LOADClick() {
  if (!ClipboardHoldsPicture()) {
    window_.ShowMsg("エラー： クリップボードにＣＧデータがありません・・・");
    return;
  }
  constexpr const char* FailedText = "エラー： クリップボードからのＢＭＰロードに失敗しました・・・";
  ReplaceWorkingPicture(
      workspace_, window_, [this](Picture& into) { return TakeFromClipboard(into); },
      {.unreadableText = FailedText, .laterFailureText = FailedText});
}

bool ClipboardCommands::TakeFromClipboard(Picture& picture) {
  const HWND owner = window_.Window().Handle();
  if (IsClipboardFormatAvailable(CF_BITMAP)) return picture.TakeFromClipboard(owner);
  const auto file = ReadClipboardFile(owner, PngClipboardFormat(), MaxPictureFileBytes);
  if (!file) return false;
  const auto decoded = DecodePictureBytes(*file, MaxPicturePixels, CurrentClearPixel(workspace_.settings));
  return decoded && picture.Assign(*decoded);
}
