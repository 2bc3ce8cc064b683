#pragma once

#include <cstddef>
#include <string>

// Double-byte code pages (932 and its kin) hide a second byte behind a lead byte; that second
// byte may look like a backslash, a dot or a capital letter without being one. Every rule that
// scans a path byte by byte asks this predicate and steps over the pair.
using IsLeadByteFn = bool (*)(unsigned char byte);

// Single-byte encodings and UTF-8: UTF-8 never hides an ASCII byte inside a longer character.
inline bool NoLeadBytes(unsigned char) { return false; }

// The byte after `index` that starts the next character of `text`.
inline std::size_t NextCharacter(const std::string& text, std::size_t index, IsLeadByteFn isLead) {
    if (isLead(static_cast<unsigned char>(text[index])) && index + 1 < text.size()) return index + 2;
    return index + 1;
}
