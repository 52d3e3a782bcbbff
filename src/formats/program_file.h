#pragma once
#include "formats/byte_fields.h"

// Program files (.EXE, .DLL) are read by the system's icon extraction, which trusts the tables it
// walks on the way to the icons. A file is handed over only when each of them lies within it: for a
// 32- or 64-bit program every section's data, the resource directories of icons and icon groups
// (three levels, counts that fit, data entries inside one section), the group directories, and
// icons no group claims more bytes of than they have; for a 16-bit program its resource table,
// which ends where the resident names begin, and the icon resources it lists; for an icon file
// under a program's name its directory and images. Each group is checked once, and the work is
// bounded by the file's size. Files too short for a program header are refused; anything else the
// system declines by itself.
bool ProgramIconsAreSound(ByteSpan file);
