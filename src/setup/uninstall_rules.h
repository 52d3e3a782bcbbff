#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The uninstaller's rules that need no window.

// The hand-over record from the uninstall to its helper copy, under HKEY_USERS; under
// HKEY_CURRENT_USER where that is refused.
inline constexpr const char* UninstallHandoverKey = ".Default\\Software\\Unin_QUILO SOFT32";
inline constexpr const char* UserHandoverKey = "Software\\Unin_QUILO SOFT32";

// A colour as the uninstall hand-over record carries it: an RGB value, or 0x80000000 plus a
// system colour index for a colour that follows the system's scheme (button face: -2147483633).
using ColourValue = std::int32_t;
constexpr ColourValue SystemColourValue(int index) {
  return static_cast<ColourValue>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColour(ColourValue colour) { return colour < 0; }
constexpr int SystemColourIndex(ColourValue colour) { return static_cast<int>(colour & 0xFF); }

// The record's text of a colour (signed decimal), and its reading: blanks around it are
// trimmed; empty or no number gives nothing.
std::string ColourRecordText(ColourValue colour);
std::optional<ColourValue> ParseColourRecord(std::string_view text);

// The helper tries to delete the program file once a second this many times (a minute) before it
// gives up and names the file.
inline constexpr int HelperDeleteTries = 60;

// The helper's command line: its path, "/DeleteFile" and the program file it is to delete, each
// in double quotes. The program file picks the record of this uninstall where an older one was
// left behind (a record under HKEY_USERS that a standard user can neither replace nor delete).
std::string HelperCommandLine(const std::string& helperPath, const std::string& programPath);

// Which of the hand-over records found (their "File" values, in the order they were looked for)
// the helper follows: the one naming the program file of its command line; without one there, the
// first (an uninstall that named none). Nothing when no record fits.
std::optional<std::size_t> ChooseHandoverRecord(const std::vector<std::string>& recordFiles,
                                                const std::string* namedProgramFile);

// The command the user's next sign-in runs once (HKEY_CURRENT_USER's RunOnce) to delete a file:
// the system folder's cmd.exe, without the user's AutoRun commands (/d), deleting the path in
// double quotes. cmd.exe expands %NAME% even inside quotes and, where delayed expansion is on,
// !NAME!: a path holding either is named through %TMP% when it lies in the temporary folder (the
// expanded text is not looked at again, and /v:off keeps the ! as it is); otherwise nothing.
std::optional<std::string> RunOnceDeleteCommand(std::string_view systemFolder, std::string_view path,
                                                std::string_view temporaryFolder);

// The helper deletes nothing but a program file of ours: the record's "File" must name one.
bool IsOurProgramFile(std::string_view path, std::string_view programFileName);

// The folders the helper removes, in order: from the program's folder up to the one below the
// drive root (the root itself never). Each is tried only while the one before went.
std::vector<std::string> FoldersToRemove(std::string_view programFolder);
