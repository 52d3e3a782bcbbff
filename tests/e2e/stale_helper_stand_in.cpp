// Stands in for a stale file under the uninstall helper's name (an older program, or one planted
// by someone else): if anything starts it, it adds its own path to stale_helper_ran.txt in the
// temporary folder and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  char temporary[MAX_PATH] = {};
  GetTempPathA(sizeof temporary, temporary);
  const std::string marker = std::string(temporary) + "stale_helper_ran.txt";
  HANDLE file = CreateFileA(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::string line = std::string(self) + "\r\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
