#include "ui/file_dialog.h"

#include <algorithm>

#include "common/shift_jis.h"
#include "common/path_helpers.h"

namespace {
// Room for a multiple selection of several long names.
constexpr std::size_t NameBufferSize = 32 * 1024;
}  // namespace

std::string DialogFilter(const std::string& filter) {
  std::string result;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    const auto byte = static_cast<unsigned char>(filter[i]);
    if (IsShiftJisLeadByte(byte) && i + 1 < filter.size()) {
      result += filter.substr(i, 2);
      ++i;
    } else {
      result += byte == '|' ? '\0' : static_cast<char>(byte);
    }
  }
  result += '\0';
  result += '\0';
  return result;
}

void FileDialog::Configure(const FileDialogSetup& setup) {
  setup_ = setup;
  fileName_ = setup.fileName;
  configured_ = true;
}

FileDialogResult FileDialog::Run(HWND owner, const std::string& initialFolder) {
  std::string buffer(NameBufferSize, '\0');
  buffer.replace(0, std::min(fileName_.size(), NameBufferSize - 2), fileName_.substr(0, NameBufferSize - 2));
  const std::string filter = DialogFilter(setup_.filter);

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.lpstrTitle = setup_.title.c_str();
  dialog.lpstrDefExt = setup_.defaultExtension.empty() ? nullptr : setup_.defaultExtension.c_str();
  dialog.Flags = setup_.options | OFN_EXPLORER;
  if (setup_.extension) setup_.extension->Attach(dialog);

  const BOOL chosen = kind_ == Kind::Save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!chosen) return CommDlgExtendedError() == 0 ? FileDialogResult::Cancelled : FileDialogResult::Failed;

  filterIndex_ = static_cast<int>(dialog.nFilterIndex);
  const std::string first(buffer.c_str());
  const std::size_t offset = dialog.nFileOffset;
  if (offset > 0 && offset < buffer.size() && buffer[offset - 1] == '\0') {
    // A multiple selection: the folder, then the names, each ending in a zero.
    folder_ = AddTrailingSeparator(first);
    fileNames_.clear();
    for (std::size_t at = offset; at < buffer.size() && buffer[at] != '\0';) {
      const std::string name(buffer.c_str() + at);
      fileNames_.push_back(folder_ + name);
      at += name.size() + 1;
    }
    fileName_ = fileNames_.front();
  } else {
    folder_ = first.substr(0, std::min(offset, first.size()));
    fileName_ = first;
    fileNames_ = {first};
  }
  return FileDialogResult::Chosen;
}
