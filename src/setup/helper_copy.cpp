#include "setup/helper_copy.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/path_helpers.h"
#include "common/program_constants.h"
#include "setup/file_copy.h"
#include "shell/file_system.h"
#include "ui/file_bytes.h"

namespace {

std::string TemporaryFolder() {
  char folder[MAX_PATH] = {};
  const DWORD length = GetTempPathA(sizeof folder, folder);
  return length > 0 && length < sizeof folder ? AddTrailingSeparator(std::string(folder, length)) : std::string();
}

bool SameContents(HANDLE a, HANDLE b) {
  LARGE_INTEGER sizeA{};
  LARGE_INTEGER sizeB{};
  if (!GetFileSizeEx(a, &sizeA) || !GetFileSizeEx(b, &sizeB) || sizeA.QuadPart != sizeB.QuadPart) return false;
  std::vector<char> blockA(64 * 1024);
  std::vector<char> blockB(blockA.size());
  for (LONGLONG left = sizeA.QuadPart; left > 0;) {
    const DWORD wanted = static_cast<DWORD>(std::min<LONGLONG>(left, static_cast<LONGLONG>(blockA.size())));
    DWORD readA = 0;
    DWORD readB = 0;
    if (!ReadFile(a, blockA.data(), wanted, &readA, nullptr) || !ReadFile(b, blockB.data(), wanted, &readB, nullptr) ||
        readA != wanted || readB != wanted || std::memcmp(blockA.data(), blockB.data(), wanted) != 0) {
      return false;
    }
    left -= wanted;
  }
  return true;
}

KernelHandle CopyAndHold(const std::string& program, const std::string& helper) {
  if (!CopyFileKeepDate(program, helper).empty()) return {};
  KernelHandle copy = OpenFile(helper);
  const KernelHandle original = OpenFile(program);
  if (!copy || !original || !SameContents(copy.Get(), original.Get())) return {};
  return copy;
}

}  // namespace

std::optional<HelperCopy> PlaceHelperCopy() {
  const std::string program = ExecutablePath();
  for (const std::string& folder : {WindowsFolder(), TemporaryFolder()}) {
    if (folder.empty()) continue;
    HelperCopy copy{folder + UninstallHelperName(), {}};
    copy.held = CopyAndHold(program, copy.path);
    if (copy.held) return copy;
  }
  return std::nullopt;
}
