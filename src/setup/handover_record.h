#pragma once
#include <optional>

#include "ui/registry.h"

// The record the uninstall leaves for its helper copy: under HKEY_USERS\.Default as ever, or
// under HKEY_CURRENT_USER where that is refused (only administrators may write the default
// user's keys). The helper reads whichever is there and deletes both.
std::optional<RegistryKey> CreateHandoverRecord();
std::optional<RegistryKey> OpenHandoverRecord();
void DeleteHandoverRecord();
