#include "output/clipboard_commands.h"

#include <new>

#include "output/picture_replacement.h"

void ClipboardCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MF_CLIP0", [this] { MF_CLIP0Click(); });
  commands.Bind("MCLIP_SAVE", [this] { MCLIP_SAVEClick(); });
  commands.Bind("MCLIP_LOAD", [this] { MCLIP_LOADClick(); });
}

bool ClipboardCommands::ClipboardHoldsPicture() { return IsClipboardFormatAvailable(CF_BITMAP) != FALSE; }

void ClipboardCommands::MF_CLIP0Click() { window_.Menu().SetEnabled("MCLIP_LOAD", ClipboardHoldsPicture()); }

void ClipboardCommands::MCLIP_SAVEClick() {
  if (!workspace_.picture.Working().PutOnClipboard(window_.Window().Handle())) {
    window_.ShowMsg("エラー： クリップボードへのセーブに失敗しました・・・");
  }
}

void ClipboardCommands::MCLIP_LOADClick() {
  if (!ClipboardHoldsPicture()) {
    window_.ShowMsg("エラー： クリップボードにＣＧデータがありません・・・");
    return;
  }
  window_.HideForWork();
  WorkingPicture& pictures = workspace_.picture;
  bool loaded = false;
  try {
    loaded = pictures.Working().TakeFromClipboard(window_.Window().Handle()) &&
             WorkingPicture::CheckPictureReadable(pictures.Working()) && pictures.SetBaseFromWorking();
  } catch (const std::bad_alloc&) {
  }
  if (loaded) {
    window_.ShowNewPicture(PictureSizeText(BmpLoadSizePrefix, pictures.Base()));
    return;
  }
  window_.RefreshPicture();
  window_.ShowMsg("エラー： クリップボードからのＢＭＰロードに失敗しました・・・");
  window_.StartReshow();
}
