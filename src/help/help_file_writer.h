#pragma once
#include <string>

#include "help/help_bytes.h"
#include "help/help_document.h"

// A help file in the WinHelp 4 format of a checked document (see ParseHelpSource): |SYSTEM with
// the title, the contents topic and the Shift-JIS character set all fonts take; |FONT; |TOPIC;
// |CONTEXT (context hashes to topics); |TTLBTREE (titles); |KWBTREE, |KWDATA and |KWMAP (the
// keyword index, one topic a keyword).
struct HelpFileResult {
  HelpBytes bytes;
  std::string error;  // set instead of bytes when the document does not fit the format
};

HelpFileResult WriteHelpFile(const HelpDocument& document);
