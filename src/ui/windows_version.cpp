#include "ui/windows_version.h"

#include "ui/system_function.h"

int WindowsMajorVersion() {
  using GetVersion = LONG WINAPI(OSVERSIONINFOW*);
  auto* const get = SystemFunction<GetVersion>("ntdll.dll", "RtlGetVersion");
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  return get && get(&info) == 0 ? static_cast<int>(info.dwMajorVersion) : 0;
}
