#include "output/user_work_folder.h"

#include "common/path_helpers.h"
#include "common/program_identity.h"
#include "ui/win32.h"
// After <windows.h>, which ui/win32.h brings.
#include <shlobj.h>

std::string UserWorkFolder() {
  char local[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, local))) return {};
  const std::string folder = AddTrailingSeparator(local) + ProgramBaseName;
  CreateDirectoryA(folder.c_str(), nullptr);
  return AddTrailingSeparator(folder);
}
