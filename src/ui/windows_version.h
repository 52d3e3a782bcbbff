#pragma once

// The version of the running Windows as the system itself knows it (GetVersionEx answers what
// the program's manifest declares, not the truth); 0 when it cannot be read.
int WindowsMajorVersion();
