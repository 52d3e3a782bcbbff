#include "output/list_file_store.h"

#include "common/list_file.h"
#include "ui/file_bytes.h"

namespace {

// Only a file that is not there at all may be written from an empty list.
bool Missing(const std::string& fileName) {
  if (GetFileAttributesA(fileName.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

std::string ListFileStore::Read(const std::string& fileName) {
  fileName_ = fileName;
  const auto bytes = ReadWholeFile(fileName, maxBytes_);
  keepFile_ = !bytes && !Missing(fileName);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

bool ListFileStore::Write(const std::vector<std::string>& names) const {
  if (keepFile_) return false;
  const std::string text = FormatListFile(names);
  return WriteFileReplacing(fileName_, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}
