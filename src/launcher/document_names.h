#pragma once

// Turning the command-line tail into the three paths the launcher works with. A Korvo file is
// its data file "report" and, beside it, its resource fork "%report" (the companion); the user
// may have opened either.

#include <string>

#include "platform/lead_bytes.h"
#include "platform/system.h"

struct DocumentPaths {
    std::string document;   // the path that was opened, normalised
    std::string data;       // the data file's path
    std::string companion;  // the resource fork's path: the data file's name with '%' in front
};

// The tail less every leading double quote and blank (in any mix; a tab ends them) and one
// closing double quote. Nothing else is removed.
std::string DocumentFromTail(const std::string& tail);

// A to Z become a to z; every other byte stays, and a lead byte's partner is never changed
// (it would turn the double-byte character into another one).
std::string LowerCaseAscii(const std::string& path, IsLeadByteFn isLead);

// Splits `document` and composes the data and companion paths: a file name that begins with '%'
// is the companion (the data path loses that one '%'); any other is the data file (the
// companion gets a '%' where the file name begins).
DocumentPaths ComposeDocumentPaths(const std::string& document, PathStyle style, IsLeadByteFn isLead);
