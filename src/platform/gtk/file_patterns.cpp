#include "platform/gtk/file_patterns.h"

#include <vector>

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

std::vector<std::string> Split(const std::string& patterns) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        std::size_t end = patterns.find(';', start);
        if (end == std::string::npos) end = patterns.size();
        std::string part = patterns.substr(start, end - start);
        const std::size_t first = part.find_first_not_of(' ');
        const std::size_t last = part.find_last_not_of(' ');
        if (first != std::string::npos) parts.push_back(part.substr(first, last - first + 1));
        start = end + 1;
    }
    return parts;
}

bool Glob(const char* pattern, const char* name) {
    // Iterative matching with one backtrack point: linear enough for file names.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern != '\0' && Lower(*pattern) == Lower(*name))) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return i == a.size() && b[i] == '\0';
}

}  // namespace

bool FileMatchesPatterns(const std::string& patterns, const std::string& fileName) {
    for (const std::string& pattern : Split(patterns)) {
        if (pattern == "*.*" || Glob(pattern.c_str(), fileName.c_str())) return true;
    }
    return false;
}

bool PatternsNamePrograms(const std::string& patterns) {
    for (const std::string& pattern : Split(patterns)) {
        if (SameIgnoringCase(pattern, "*.exe") || SameIgnoringCase(pattern, "*.com")) return true;
    }
    return false;
}
