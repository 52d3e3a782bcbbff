#include "setup/shell_link.h"

#include "common/path_helpers.h"
#include "ui/win32.h"
// After <windows.h>; before ui/com_ptr.h, whose item-list owner needs it.
#include <shlobj.h>

#include "ui/com_ptr.h"
#include "ui/wide_text.h"

namespace {

std::string KnownFolder(int csidl) {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder)) || !folder[0]) {
    return {};
  }
  return AddTrailingSeparator(folder);
}

}  // namespace

std::string StartupFolder() { return KnownFolder(CSIDL_STARTUP); }
std::string ProgramsFolder() { return KnownFolder(CSIDL_PROGRAMS); }

bool CreateShellLink(const std::string& linkPath, const std::string& target, const std::string& description) {
  // The shell wants COM on this thread; the program never ends it.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link.Put())))) {
    return false;
  }
  link->SetPath(target.c_str());
  link->SetWorkingDirectory(ParentPath(target).c_str());
  link->SetDescription(description.c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put())))) return false;
  return SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
}
