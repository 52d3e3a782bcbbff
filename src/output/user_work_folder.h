#pragma once
#include <string>

// The program's folder in the user's local application data ("…\AppData\Local\PIKTORAN\"),
// where a standard user may write what the Windows folder refuses; empty when the system does not
// name that folder. The folder is created on the first call that finds it missing.
std::string UserWorkFolder();
// The same folder's name, whether it is there or not; nothing is created.
std::string UserWorkFolderName();
