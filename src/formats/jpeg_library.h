#pragma once
#include <string>

// The JPEG library the program is linked with: its version as the library itself reports it,
// after checking that it accepts the interface the program was compiled against. Empty when
// the check fails.
std::string JpegLibraryVersion();
