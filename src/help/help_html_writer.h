#pragma once
#include <string>

#include "help/help_document.h"

// The help as one HTML page, for systems without a help viewer for the help file (Windows
// since Vista): the same topics, jumps and keyword index. Shift-JIS, as declared in the page.
// Each topic is the anchor of its context name; the index is the anchor HelpIndexAnchor.
inline constexpr const char* HelpIndexAnchor = "index";

std::string WriteHelpHtml(const HelpDocument& document);
