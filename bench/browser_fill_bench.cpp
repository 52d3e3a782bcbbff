// Times the browser's file list filled for a folder of 20 000 files (search, size, type, date and
// attribute texts, the rows put into the list view, sorted by name) beside listing the same folder
// with FindFirstFileA/FindNextFileA alone, in turns, under Wine. Prints both medians and the
// median of the per-run ratios.
#include <windows.h>
// After <windows.h>.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "browser/file_list.h"
#include "median_time.h"

namespace {

constexpr int FileCount = 20000;

std::string FileName(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "FILE%05d.%s", i, i % 3 == 0 ? "bmp" : i % 3 == 1 ? "jpg" : "txt");
  return name;
}

// The folder with its files, made once before any timing; sizes vary so the size texts do.
bool MakeFiles(const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string bytes(1000, 'x');
  for (int i = 0; i < FileCount; ++i) {
    HANDLE file = CreateFileA((folder + FileName(i)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(i % 1000), &written, nullptr);
    CloseHandle(file);
  }
  return true;
}

void RemoveFiles(const std::string& folder) {
  for (int i = 0; i < FileCount; ++i) DeleteFileA((folder + FileName(i)).c_str());
  RemoveDirectoryA(folder.c_str());
}

// Files found by the bare search, folders left out as the list leaves them out.
int CountFiles(const std::string& folder) {
  int count = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "piktoran browser bench\\";
  if (!MakeFiles(folder)) {
    std::printf("cannot make the files in %s\n", folder.c_str());
    RemoveFiles(folder);
    return 1;
  }
  // The list at the browser's size, in a shown window, as the user sees it.
  HWND window = CreateWindowExA(0, "STATIC", "browser fill bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 640,
                                300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  FileList list;
  const bool created = window && list.Create(window, {172, 27, 442, 173}, nullptr);
  int listed = 0, found = 0;
  const TimesBeside times = MedianMsBeside([&] { listed = list.Fill(folder, "*.*").value_or(-1); },
                                           [&] { found = CountFiles(folder); }, runs);
  const bool failed = !created || listed != FileCount || found != FileCount;
  std::printf("%d files: file list filled %8.1f ms   FindFirstFile/FindNextFile %8.1f ms   = %6.2f x the bare listing%s\n",
              FileCount, times.workMs, times.baselineMs, times.ratio, failed ? "   (a listing FAILED)" : "");
  if (window) DestroyWindow(window);
  RemoveFiles(folder);
  return failed ? 1 : 0;
}
