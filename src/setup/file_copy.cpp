#include "setup/file_copy.h"

#include <memory>
#include <new>
#include <span>

#include "ui/application.h"
#include "ui/file_bytes.h"

namespace {

constexpr const char* CopyFailedText = "コピーに失敗しました";

bool CanAllocate(std::size_t bytes) { return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[bytes]) != nullptr; }

}  // namespace

std::variant<std::size_t, std::string> ProbeCopyBuffer() {
  if (CanAllocate(LargeCopyBuffer)) return LargeCopyBuffer;
  Application::ProcessMessages();
  if (CanAllocate(SmallCopyBuffer)) return SmallCopyBuffer;
  Application::ProcessMessages();
  return std::string("バッファの取得に失敗しました・・・") + std::to_string(SmallCopyBuffer);
}

std::string CopyFileKeepDate(const std::string& source, const std::string& target) {
  const auto probed = ProbeCopyBuffer();
  if (const auto* error = std::get_if<std::string>(&probed)) return *error;
  const std::size_t size = std::get<std::size_t>(probed);
  const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
  if (!buffer) return CopyFailedText;

  // Others may read the source meanwhile, but not change it under the copy.
  const KernelHandle from = OpenFile(source);
  if (!from) return CopyFailedText;
  FILETIME written{};
  if (!GetFileTime(from.Get(), nullptr, nullptr, &written)) return CopyFailedText;
  ReplacingFile to(target);
  if (!to.Handle()) return CopyFailedText;
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(from.Get(), buffer.get(), static_cast<DWORD>(size), &read, nullptr)) return CopyFailedText;
    if (!to.Write({buffer.get(), read})) return CopyFailedText;
    if (read < size) break;
  }
  if (!SetFileTime(to.Handle(), nullptr, nullptr, &written) || !to.Commit()) return CopyFailedText;
  return {};
}
