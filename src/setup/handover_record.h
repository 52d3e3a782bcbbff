#pragma once
#include <optional>
#include <vector>

#include "ui/registry.h"

// The record the uninstall leaves for its helper copy: under HKEY_USERS\.Default as ever, or
// under HKEY_CURRENT_USER where that is refused (only administrators may write the default
// user's keys). The helper chooses among those there (one may be stale: a standard user can
// neither replace nor delete the default user's) and deletes both.
std::optional<RegistryKey> CreateHandoverRecord();
// Those there, HKEY_USERS's first.
std::vector<RegistryKey> OpenHandoverRecords();
void DeleteHandoverRecord();
