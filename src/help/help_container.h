#pragma once
#include <optional>
#include <string>
#include <vector>

#include "help/help_bytes.h"

// The help file's own file system: a header, the internal files one after another, each behind
// a small header of its sizes, and the directory, a B+ tree of their names and places.
struct InternalFile {
  std::string name;  // "|SYSTEM", "|TOPIC", ...
  HelpBytes content;
};

// Empty when the names do not fit the directory's pages.
std::optional<HelpBytes> WriteHelpContainer(const std::vector<InternalFile>& files);
