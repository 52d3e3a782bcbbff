#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Files and the capture request that reach the running program from its command line, a
// second start's hand-over or a drop.
struct HandedFiles {
  std::vector<std::string> files;
  bool captureRequested = false;
};

// What the argument rules need to know about the file system.
struct FileProbe {
  std::function<bool(const std::string&)> exists;
  std::function<std::string(const std::string&)> expandLongPath;
};

// Longer than 6 bytes with ":" second and "\" third: the only form of file name accepted.
bool LooksLikeFullPath(std::string_view text);

// Applies the argument rules to each argument in order and appends to `handed`:
// "-" becomes "/", options are upper-cased, "/G" requests a capture, full paths of existing
// files are expanded to their long names and collected; everything else is ignored.
void ApplyArgumentRules(const std::vector<std::string>& arguments, const FileProbe& probe,
                        HandedFiles& handed);

// A second start's arguments joined with "?" (empty without arguments).
std::string JoinHandOverText(const std::vector<std::string>& arguments);

// The running copy's reading of that text: cut at each "?".
std::vector<std::string> SplitHandOverText(std::string_view text);

// A global atom holds at most 255 bytes; a longer text cannot be handed over.
inline constexpr std::size_t MaxHandOverText = 255;
