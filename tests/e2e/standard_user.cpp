// Test-only hook library: PIKTORAN as a standard user of current Windows runs it (see
// standard_user.h). The program's imports are replaced once the library is loaded into it.
#include "standard_user.h"

#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include "import_patch.h"

namespace {

constexpr REGSAM WriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | DELETE | WRITE_DAC | WRITE_OWNER;

bool AdministratorsKey(HKEY root, const char* path) {
  if (root == HKEY_LOCAL_MACHINE) return true;
  if (root != HKEY_USERS || !path) return false;
  const std::string key = path;
  return key.size() >= 8 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, key.c_str(), 8, ".Default", 8) == CSTR_EQUAL &&
         (key.size() == 8 || key[8] == '\\');
}

std::string Upper(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

std::string KnownFolder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) || !path[0]) return {};
  return Upper(std::string(path) + "\\");
}

bool AdministratorsFile(const char* path) {
  if (!path) return false;
  char full[MAX_PATH * 2] = {};
  if (!GetFullPathNameA(path, sizeof full, full, nullptr)) return false;
  const std::string file = Upper(full);
  static const std::vector<std::string> protectedFolders = {
      KnownFolder(CSIDL_WINDOWS), KnownFolder(CSIDL_PROGRAM_FILES), KnownFolder(CSIDL_PROGRAM_FILESX86)};
  for (const std::string& folder : protectedFolders) {
    if (!folder.empty() && (file.rfind(folder, 0) == 0 || file + "\\" == folder)) return true;
  }
  return false;
}

bool Exists(LPCSTR path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

template <typename Result>
Result Refused(Result result) {
  SetLastError(ERROR_ACCESS_DENIED);
  return result;
}

decltype(&RegCreateKeyExA) realRegCreateKeyEx;
decltype(&RegOpenKeyExA) realRegOpenKeyEx;
decltype(&RegDeleteTreeA) realRegDeleteTree;
decltype(&RegDeleteKeyA) realRegDeleteKey;
decltype(&CreateFileA) realCreateFile;
decltype(&DeleteFileA) realDeleteFile;
decltype(&MoveFileExA) realMoveFileEx;
decltype(&CreateDirectoryA) realCreateDirectory;
decltype(&RemoveDirectoryA) realRemoveDirectory;

LSTATUS WINAPI RefusingCreateKey(HKEY root, LPCSTR path, DWORD reserved, LPSTR type, DWORD options, REGSAM access,
                         LPSECURITY_ATTRIBUTES security, PHKEY key, LPDWORD disposition) {
  if (AdministratorsKey(root, path)) return ERROR_ACCESS_DENIED;
  return realRegCreateKeyEx(root, path, reserved, type, options, access, security, key, disposition);
}

// The access check comes after the key is found: a missing key is not found, for anyone.
LSTATUS RefusedKey(HKEY root, LPCSTR path) {
  HKEY key = nullptr;
  if (realRegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return ERROR_FILE_NOT_FOUND;
  RegCloseKey(key);
  return ERROR_ACCESS_DENIED;
}

LSTATUS WINAPI RefusingOpenKey(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY key) {
  if ((access & WriteAccess) && AdministratorsKey(root, path)) return RefusedKey(root, path);
  return realRegOpenKeyEx(root, path, options, access, key);
}

LSTATUS WINAPI RefusingDeleteTree(HKEY root, LPCSTR path) {
  return AdministratorsKey(root, path) ? RefusedKey(root, path) : realRegDeleteTree(root, path);
}

LSTATUS WINAPI RefusingDeleteKey(HKEY root, LPCSTR path) {
  return AdministratorsKey(root, path) ? RefusedKey(root, path) : realRegDeleteKey(root, path);
}

HANDLE WINAPI RefusingCreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
                         DWORD flags, HANDLE templateFile) {
  const bool writes = (access & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA | FILE_APPEND_DATA | DELETE)) ||
                      disposition != OPEN_EXISTING;
  if (writes && AdministratorsFile(path) && (disposition != OPEN_EXISTING || Exists(path))) {
    return Refused(INVALID_HANDLE_VALUE);
  }
  return realCreateFile(path, access, share, security, disposition, flags, templateFile);
}

BOOL WINAPI RefusingDeleteFile(LPCSTR path) {
  return AdministratorsFile(path) && Exists(path) ? Refused(FALSE) : realDeleteFile(path);
}

BOOL WINAPI RefusingMoveFile(LPCSTR from, LPCSTR to, DWORD flags) {
  if ((flags & MOVEFILE_DELAY_UNTIL_REBOOT) || AdministratorsFile(from) || AdministratorsFile(to)) return Refused(FALSE);
  return realMoveFileEx(from, to, flags);
}

BOOL WINAPI RefusingCreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES security) {
  return AdministratorsFile(path) ? Refused(FALSE) : realCreateDirectory(path, security);
}

BOOL WINAPI RefusingRemoveDirectory(LPCSTR path) {
  return AdministratorsFile(path) && Exists(path) ? Refused(FALSE) : realRemoveDirectory(path);
}

void BecomeStandardUser() {
  realRegCreateKeyEx = ReplaceImport("advapi32.dll", "RegCreateKeyExA", RefusingCreateKey);
  realRegOpenKeyEx = ReplaceImport("advapi32.dll", "RegOpenKeyExA", RefusingOpenKey);
  realRegDeleteTree = ReplaceImport("advapi32.dll", "RegDeleteTreeA", RefusingDeleteTree);
  realRegDeleteKey = ReplaceImport("advapi32.dll", "RegDeleteKeyA", RefusingDeleteKey);
  realCreateFile = ReplaceImport("kernel32.dll", "CreateFileA", RefusingCreateFile);
  realDeleteFile = ReplaceImport("kernel32.dll", "DeleteFileA", RefusingDeleteFile);
  realMoveFileEx = ReplaceImport("kernel32.dll", "MoveFileExA", RefusingMoveFile);
  realCreateDirectory = ReplaceImport("kernel32.dll", "CreateDirectoryA", RefusingCreateDirectory);
  realRemoveDirectory = ReplaceImport("kernel32.dll", "RemoveDirectoryA", RefusingRemoveDirectory);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH && InsideProgram()) BecomeStandardUser();
  return TRUE;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK StandardUserHook(int code, WPARAM removal, LPARAM data) {
  return CallNextHookEx(nullptr, code, removal, data);
}
