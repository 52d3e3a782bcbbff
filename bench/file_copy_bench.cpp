// Times CopyFileKeepDate on a 200 MB file beside the system's own file copy (CopyFileA) of the
// same file, in turns, under Wine. Prints both medians and the median of the per-run ratios.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "median_time.h"
#include "setup/file_copy.h"

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "piktoran copy bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string source = folder + "SOURCE.BIN";
  {
    std::vector<char> block(1 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 % 253);
    HANDLE file = CreateFileA(source.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    for (int i = 0; i < 200; ++i) WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr);
    CloseHandle(file);
  }
  const std::string ours = folder + "OURS.BIN";
  const std::string system = folder + "SYSTEM.BIN";
  bool failed = false;
  const TimesBeside times = MedianMsBeside(
      [&] { failed |= !CopyFileKeepDate(source, ours).empty(); },
      [&] { failed |= !CopyFileA(source.c_str(), system.c_str(), FALSE); }, runs);
  std::printf("200 MB file: CopyFileKeepDate %8.1f ms   CopyFileA %8.1f ms   = %5.2f x the system's copy%s\n",
              times.workMs, times.baselineMs, times.ratio, failed ? "   (a copy FAILED)" : "");
  for (const std::string& name : {source, ours, system}) DeleteFileA(name.c_str());
  RemoveDirectoryA(folder.c_str());
  return failed ? 1 : 0;
}
