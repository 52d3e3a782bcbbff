#include "ui/clipboard_file.h"

#include <cstring>
#include <exception>

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
    open_ = OpenClipboard(owner) != FALSE;
    if (!open_) Sleep(20);
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

UINT PngClipboardFormat() { return RegisterClipboardFormatA("PNG"); }

namespace {

// Global memory until the clipboard takes it.
class GlobalMemory {
 public:
  explicit GlobalMemory(std::size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;
  ~GlobalMemory() {
    if (memory_) GlobalFree(memory_);
  }
  HGLOBAL Get() const { return memory_; }
  void Release() { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

// A clipboard handle's memory, locked for one scope.
class LockedMemory {
 public:
  explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  LockedMemory(const LockedMemory&) = delete;
  LockedMemory& operator=(const LockedMemory&) = delete;
  ~LockedMemory() {
    if (data_) GlobalUnlock(memory_);
  }
  void* Data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

}  // namespace

bool AddToOpenClipboard(ClipboardFile file) {
  if (file.format == 0 || file.bytes.empty()) return false;
  GlobalMemory memory(file.bytes.size());
  {
    LockedMemory locked(memory.Get());
    if (!locked.Data()) return false;
    std::memcpy(locked.Data(), file.bytes.data(), file.bytes.size());
  }
  if (!SetClipboardData(file.format, memory.Get())) return false;
  memory.Release();  // the clipboard owns it now
  return true;
}

std::optional<std::vector<std::uint8_t>> ReadClipboardFile(HWND owner, UINT format, std::int64_t maxBytes) {
  if (format == 0) return std::nullopt;
  ClipboardSession clipboard(owner);
  if (!clipboard) return std::nullopt;
  // Owned by the clipboard: only read.
  const HGLOBAL shared = GetClipboardData(format);
  if (!shared) return std::nullopt;
  // GlobalSize may round up; the PNG reader stops at its end chunk.
  const SIZE_T size = GlobalSize(shared);
  if (size == 0 || static_cast<std::uint64_t>(size) > static_cast<std::uint64_t>(maxBytes)) return std::nullopt;
  LockedMemory locked(shared);
  if (!locked.Data()) return std::nullopt;
  try {
    const auto* data = static_cast<const std::uint8_t*>(locked.Data());
    return std::vector<std::uint8_t>(data, data + size);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}
