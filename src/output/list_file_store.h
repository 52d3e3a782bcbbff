#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A list file of the program folder (PIKTO_I0.LST, PIKTO_HS.LST), read at start-up and written
// back at close. A file that stood there but could not be read (another program held it for a
// moment, or it was larger than any list of ours) is left as it is at close: the empty list the
// failed read gave must not take the place of the whole history.
class ListFileStore {
 public:
  explicit ListFileStore(std::int64_t maxBytes) : maxBytes_(maxBytes) {}

  // The file's text; empty when there is none or it cannot be read. Remembers the file for Write.
  std::string Read(const std::string& fileName);
  // Replaces the file read last with the names, a line each; false (the file untouched) when the
  // read found a file it could not read, or nothing was read.
  bool Write(const std::vector<std::string>& names) const;

 private:
  std::int64_t maxBytes_;
  std::string fileName_;
  bool keepFile_ = true;
};
