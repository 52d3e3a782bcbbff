#pragma once
#include <optional>
#include <string>

#include "ui/handles.h"

// The uninstall helper: a copy of the running program made now under the helper's name, in the
// Windows folder or, where that is refused (a standard user), in the temporary folder. Whatever
// lay there before (a stale helper, another program) is never used: it is copied over, and a
// place where that fails is passed by. The copy is compared with the program byte for byte and
// held open for reading only, so that nothing can change or replace it until it has started.
struct HelperCopy {
  std::string path;
  KernelHandle held;
};

// Nothing when neither place took a good copy.
std::optional<HelperCopy> PlaceHelperCopy();
