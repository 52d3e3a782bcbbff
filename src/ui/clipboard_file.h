#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "ui/win32.h"

// The clipboard for one scope. Another program may hold it for a moment, so opening is retried
// briefly before giving up.
class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner);
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  ~ClipboardSession();
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

// A file's bytes under a registered clipboard format, as browsers and chat programs put a "PNG".
struct ClipboardFile {
  UINT format = 0;
  std::span<const std::uint8_t> bytes;
};

// The registered "PNG" format; 0 when the system refuses to register it.
UINT PngClipboardFormat();

// Adds the bytes to the clipboard this program has open and owns (after EmptyClipboard).
bool AddToOpenClipboard(ClipboardFile file);

// The clipboard's bytes of `format`; nullopt when it holds none, or more than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadClipboardFile(HWND owner, UINT format, std::int64_t maxBytes);
