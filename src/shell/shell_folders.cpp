#include "shell/shell_folders.h"

#include <shlobj.h>

#include <cstring>

#include "shell/file_system.h"
#include "ui/com_ptr.h"
#include "ui/wide_text.h"

namespace {

constexpr SHCONTF FoldersAndHidden = 0x20 | 0x80;  // SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN

// The shell's desktop folder, once per run; null when the shell cannot give it.
IShellFolder* Desktop() {
  static ComPtr<IShellFolder> desktop = [] {
    // The shell wants COM on this thread; the program never ends it.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IShellFolder> folder;
    if (FAILED(SHGetDesktopFolder(folder.Put()))) folder.Reset();
    return folder;
  }();
  return desktop.Get();
}

std::optional<std::string> NameOf(IShellFolder* folder, LPCITEMIDLIST item, SHGDNF form) {
  STRRET name{};
  if (FAILED(folder->GetDisplayNameOf(item, form, &name))) return std::nullopt;
  switch (name.uType) {
    case STRRET_WSTR: {
      std::string text = name.pOleStr ? Narrow(name.pOleStr) : std::string();
      CoTaskMemFree(name.pOleStr);
      return text;
    }
    case STRRET_OFFSET:
      return std::string(reinterpret_cast<const char*>(item) + name.uOffset);
    case STRRET_CSTR:
      return std::string(name.cStr, strnlen(name.cStr, sizeof name.cStr));
    default:
      return std::nullopt;
  }
}

// Calls `take` with every subfolder's item; false when the shell failed.
template <typename Take>
bool EachSubfolder(const std::string& path, Take take) {
  IShellFolder* desktop = Desktop();
  if (!desktop) return false;
  std::wstring wide = Wide(path);
  ItemIdList list;
  if (wide.empty() || FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, list.Put(), nullptr))) {
    return false;
  }
  ComPtr<IShellFolder> folder;
  if (FAILED(desktop->BindToObject(list.Get(), nullptr, IID_IShellFolder, reinterpret_cast<void**>(folder.Put())))) {
    return false;
  }
  ComPtr<IEnumIDList> items;
  const HRESULT enumerated = folder->EnumObjects(nullptr, FoldersAndHidden, items.Put());
  if (FAILED(enumerated)) return false;
  if (enumerated == S_FALSE || !items) return true;  // nothing to enumerate
  for (;;) {
    ItemIdList item;
    ULONG fetched = 0;
    if (items->Next(1, item.Put(), &fetched) != S_OK || fetched != 1) break;
    if (!take(folder.Get(), item.Get())) return false;
  }
  return true;
}

}  // namespace

bool ShellNamespace::FolderExists(const std::string& path) { return ::FolderExists(path); }

std::optional<Subfolders> ShellNamespace::ListSubfolders(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const bool listed = EachSubfolder(folder, [&pairs](IShellFolder* parent, LPCITEMIDLIST item) {
    auto display = NameOf(parent, item, SHGDN_NORMAL);
    auto parsing = NameOf(parent, item, SHGDN_FORPARSING);
    if (!display || !parsing) return false;
    pairs.emplace_back(std::move(*display), std::move(*parsing));
    return true;
  });
  if (!listed) return std::nullopt;
  return SortedSubfolders(std::move(pairs));
}

std::optional<std::vector<std::string>> ListShellSubfolderNames(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> pairs;
  const bool listed = EachSubfolder(folder, [&pairs](IShellFolder* parent, LPCITEMIDLIST item) {
    auto display = NameOf(parent, item, SHGDN_NORMAL);
    if (!display) return false;
    pairs.emplace_back(std::move(*display), std::string());
    return true;
  });
  if (!listed) return std::nullopt;
  return SortedSubfolders(std::move(pairs)).displayNames;
}

ShellNamespace& SystemShell() {
  static ShellNamespace shell;
  return shell;
}
