#pragma once
#include <cstdint>
#include <string>

#include "common/program_identity.h"

// The help file lies beside the running program.
inline std::string HelpFilePath(const std::string& programFolder) { return programFolder + ProgramBaseName + ".HLP"; }

// The help topic the keyword search opens by its context number (its @number in the help
// source); showing it opens the viewer's keyword index.
inline constexpr std::uint32_t KeywordSearchTopic = 1;
