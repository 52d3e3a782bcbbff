#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"

// A file opened for reading (or as `access` asks) with others allowed to read it; null when it
// cannot be opened.
KernelHandle OpenFile(const std::string& name, DWORD access = GENERIC_READ, DWORD disposition = OPEN_EXISTING);

// The whole file; nullopt when it cannot be read or holds more than `maxBytes`.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::int64_t maxBytes);

// What the final move does to a file that stands under the target's name by then.
enum class ExistingTarget {
  Replace,
  Keep,  // the move fails instead: a name chosen as free is never written over
};

// A file written beside `target` under a name no file had, and moved over the target only by
// Commit(): until then, and whenever anything fails, whatever stood under either name stays
// untouched. A read-only target, or one that is a folder, is refused (nothing can be written).
class ReplacingFile {
 public:
  explicit ReplacingFile(std::string target, ExistingTarget existing = ExistingTarget::Replace);
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  // Removes the temporary file unless it was committed.
  ~ReplacingFile();

  bool Write(std::span<const std::uint8_t> bytes);
  // The open temporary file, e.g. for its date; null when none could be made.
  HANDLE Handle() const { return file_.Get(); }
  // Flushes and closes the file and moves it over the target.
  bool Commit();

 private:
  std::string target_;
  ExistingTarget existing_;
  std::string temporary_;
  KernelHandle file_;
};

// The whole file through a ReplacingFile.
bool WriteFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes,
                        ExistingTarget existing = ExistingTarget::Replace);
