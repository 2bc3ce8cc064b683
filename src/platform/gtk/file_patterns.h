#pragma once

// The patterns of a file-open filter ("*.exe", "*.txt;*.doc"), matched as Windows matches them.

#include <string>

// Whether `fileName` matches one of the ';'-separated `patterns`: '*' any run of characters, '?'
// one, letter case ignored; "*.*" matches every name, with or without a dot.
bool FileMatchesPatterns(const std::string& patterns, const std::string& fileName);

// Whether the patterns name Windows programs (*.exe, *.com). Linux programs carry no extension,
// so such a filter also shows the files the user may execute.
bool PatternsNamePrograms(const std::string& patterns);
