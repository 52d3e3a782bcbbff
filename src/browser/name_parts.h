#pragma once
#include <string>
#include <string_view>

// A file path cut into its folder part and its name, safe for Shift-JIS names whose second
// byte is a backslash; a drive colon ends the folder part as a backslash does.
struct NameParts {
  std::string folder;  // with its final separator (or colon); empty for a bare name
  std::string name;
};
NameParts SplitFileName(std::string_view path);

// The name's extension with its dot ("" when it has none): from the last dot of the name.
std::string ExtensionOf(std::string_view path);
