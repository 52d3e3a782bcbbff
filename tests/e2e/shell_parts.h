#pragma once
// The shell around the program: the user's folders, Program Manager's start-up group and the
// folder windows Program Manager opens for its groups.
#include <string>

namespace e2e {

// A value of the current user's Shell Folders key ("Programs", "Desktop", "Startup").
std::string ShellFolder(const char* name);
// Writes the MapGroups key's "StartUp" (a fresh prefix has none); null removes it.
void SetStartupGroup(const char* name);
// Program Manager shows the group of every CreateGroup and ShowGroup in a folder window of its
// own (class ExplorerWClass, titled with the group's name), a while after the command; left open
// it would cover later tests and keep the Wine session alive. True once one came and went.
bool CloseFolderWindow(const std::string& group);
// The program a shell link at this path starts; empty when the file is no shell link.
std::string ShortcutTarget(const std::string& linkPath);

}  // namespace e2e
