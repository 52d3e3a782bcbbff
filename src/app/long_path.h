#pragma once
#include <string>

// Rewrites an existing path with each component's name as the file system stores it, so a
// path written with 8.3 short names comes back with the long names. A path that is not
// found comes back as it is, without a final separator.
std::string ExpandLongPath(const std::string& path);
