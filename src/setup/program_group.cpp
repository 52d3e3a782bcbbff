#include "setup/program_group.h"

#include "common/list_file.h"
#include "common/path_helpers.h"
#include "common/program_identity.h"
#include "setup/progman.h"
#include "setup/progman_commands.h"
#include "setup/shell_link.h"
#include "setup/shortcut_paths.h"
#include "shell/file_system.h"
#include "ui/handles.h"
// After <windows.h>, which ui/handles.h brings.
#include <shlobj.h>

namespace {

std::string GroupShortcut(const std::string& groupFolder) { return groupFolder + "\\" + ProgramTitle + ".lnk"; }

// The folders of the Programs folder, hidden ones left out, in the order the search gives.
std::optional<std::vector<std::string>> GroupFolders() {
  const std::string programs = ProgramsFolder();
  if (programs.empty()) return std::nullopt;
  WIN32_FIND_DATAA found{};
  const FindHandle search(FindFirstFileA((programs + "*").c_str(), &found));
  if (!search) return std::nullopt;
  std::vector<std::string> groups;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) &&
        name != "." && name != "..") {
      groups.push_back(name);
    }
  } while (FindNextFileA(search.Get(), &found));
  return groups;
}

std::string AddShortcut(const std::string& group, const std::string& program) {
  const std::string folder = GroupFolder(ProgramsFolder(), group);
  if (folder.empty()) return ProgmanOpenFailedText;
  // Every level of a group below another ("Accessories\Tools") at once.
  const int made = SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS && made != ERROR_FILE_EXISTS) return ShortcutCreateFailedText;
  return CreateShellLink(GroupShortcut(folder), program, ProgramTitle) ? std::string() : ShortcutCreateFailedText;
}

std::string DeleteShortcut(const std::string& group) {
  const std::string folder = GroupFolder(ProgramsFolder(), group);
  if (folder.empty()) return ProgmanOpenFailedText;
  const std::string shortcut = GroupShortcut(folder);
  if (!DeleteFileA(shortcut.c_str()) && FileExists(shortcut)) return ShortcutDeleteFailedText;
  // Only an empty folder goes; the one Windows starts programs from stays even then.
  if (!SameFileName(AddTrailingSeparator(folder), StartupFolder())) RemoveDirectoryA(folder.c_str());
  return {};
}

}  // namespace

std::optional<std::vector<std::string>> ProgramGroupNames() {
  if (auto groups = ListProgramGroups()) return groups;
  return GroupFolders();
}

std::string AddGroupItem(const std::string& group, const std::string& program) {
  std::string error = SendProgmanCommand(CreateGroupCommand(group));
  if (error == ProgmanOpenFailedText) return AddShortcut(group, program);
  // An item without its group would land in whichever group Program Manager opened last.
  if (error.empty()) error = SendProgmanCommand(AddItemCommand(program, ProgramTitle));
  return error;
}

std::string DeleteGroupItem(const std::string& group, GroupOpening opening) {
  std::string error = SendProgmanCommand(opening == GroupOpening::Create ? CreateGroupCommand(group) : ShowGroupCommand(group));
  if (error == ProgmanOpenFailedText) return DeleteShortcut(group);
  // Without its group opened, DeleteItem would act on whichever group Program Manager opened last.
  if (error.empty()) error = SendProgmanCommand(DeleteItemCommand(ProgramTitle));
  return error;
}
