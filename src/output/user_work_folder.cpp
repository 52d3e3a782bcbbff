#include "output/user_work_folder.h"

#include "common/path_helpers.h"
#include "common/program_identity.h"
#include "ui/win32.h"
// After <windows.h>, which ui/win32.h brings.
#include <shlobj.h>

namespace {

// "…\AppData\Local\PIKTORAN" without its separator; `create` makes the local application data
// folder when missing.
std::string LocalProgramFolder(bool create) {
  char local[MAX_PATH] = {};
  const int folder = CSIDL_LOCAL_APPDATA | (create ? CSIDL_FLAG_CREATE : 0);
  if (FAILED(SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, local)) || !local[0]) return {};
  return AddTrailingSeparator(local) + ProgramBaseName;
}

}  // namespace

std::string UserWorkFolder() {
  const std::string folder = LocalProgramFolder(true);
  if (folder.empty()) return {};
  CreateDirectoryA(folder.c_str(), nullptr);
  return AddTrailingSeparator(folder);
}

std::string UserWorkFolderName() { return AddTrailingSeparator(LocalProgramFolder(false)); }
