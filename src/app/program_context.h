#pragma once
#include <string>
#include <vector>

// Folders and arguments the main block fixed before the window was created.
struct ProgramContext {
  std::string programFolder;  // with trailing separator
  std::string windowsFolder;  // with trailing separator
  std::vector<std::string> arguments;
  std::string jpegLibrary;    // about data: the linked JPEG library as it reports itself
};
