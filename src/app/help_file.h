#pragma once
#include <cstdint>
#include <string>

#include "common/program_identity.h"

// The help file lies beside the running program, and so does its HTML twin for systems without a
// viewer for it.
inline std::string HelpFilePath(const std::string& programFolder) { return programFolder + ProgramBaseName + ".HLP"; }
inline std::string HelpPagePath(const std::string& programFolder) { return programFolder + ProgramBaseName + ".HTM"; }

// The help topic the keyword search opens by its context number (its @number in the help
// source); showing it opens the viewer's keyword index.
inline constexpr std::uint32_t KeywordSearchTopic = 1;

// The address a browser opens a local page at, at `anchor` when it is not empty: a file URL
// with the characters that would end or change it escaped.
std::string LocalPageUrl(const std::string& path, const std::string& anchor);
