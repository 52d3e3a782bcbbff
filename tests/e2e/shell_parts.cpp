#include "shell_parts.h"

#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "driver.h"

namespace e2e {
namespace {
constexpr const char* ShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* MapGroups = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
}  // namespace

std::string ShellFolder(const char* name) {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, ShellFolders, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

void SetStartupGroup(const char* name) {
  if (!name) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, MapGroups, "StartUp");
    return;
  }
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, MapGroups, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, "StartUp", 0, REG_SZ, reinterpret_cast<const BYTE*>(name), static_cast<DWORD>(strlen(name) + 1));
  RegCloseKey(key);
}

bool CloseFolderWindow(const std::string& group) {
  HWND folder = nullptr;
  if (!WaitUntil([&] { return (folder = FindWindowA("ExplorerWClass", group.c_str())) != nullptr; })) return false;
  PostMessageA(folder, WM_CLOSE, 0, 0);
  return WaitUntil([&] { return !IsWindow(folder); });
}

std::string ShortcutTarget(const std::string& linkPath) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return {};
  }
  std::string target;
  IPersistFile* file = nullptr;
  wchar_t widePath[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    char path[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(widePath, STGM_READ)) && link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK) {
      target = path;
    }
    file->Release();
  }
  link->Release();
  return target;
}

}  // namespace e2e
